// zandrel-dxt-hashes: a fingerprint (FNV-1a, 64 bits) of the DXT1, DXT3 and
// DXT5 textures of each image and of its whole mip chain in each format, so
// the Linux and Windows builds can be shown to give the same bytes.
//
//   zandrel-dxt-hashes FILE.raw...    (written by zandrel-dxt-bench --save)
//
// A .raw file: width and height as 32-bit little-endian, then blue, green,
// red, alpha texels, top row first.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "convert/texture/dxt/dxt_encoder.h"
#include "convert/texture/mipmap.h"

namespace {

void Hash(const std::vector<std::uint8_t>& bytes, std::uint64_t* pHash)
{
    for (const std::uint8_t b : bytes)
        *pHash = (*pHash ^ b) * 1099511628211u;
}

std::vector<std::uint8_t> Encode(zandrel::DxtFormat eFormat, const std::vector<std::uint8_t>& texels, int nWidth,
                                 int nHeight)
{
    zandrel::DxtLayout layout;
    if (!zandrel::ComputeDxtLayout(eFormat, nWidth, nHeight, std::int64_t{1} << 30, &layout))
        return {};
    std::vector<std::uint8_t> texture(static_cast<std::size_t>(layout.nBytes));
    zandrel::EncodeDxt(layout, texels.data(), 128, texture.data());
    return texture;
}

}  // namespace

int main(int argc, char** argv)
{
    int nStatus = 0;
    for (int i = 1; i < argc; ++i) {
        std::FILE* pFile = std::fopen(argv[i], "rb");
        std::uint8_t header[8] = {};
        if (!pFile || std::fread(header, 1, 8, pFile) != 8) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            nStatus = 1;
            if (pFile)
                std::fclose(pFile);
            continue;
        }
        const int nWidth = header[0] | header[1] << 8, nHeight = header[4] | header[5] << 8;
        std::vector<std::uint8_t> texels(static_cast<std::size_t>(nWidth) * nHeight * 4);
        const bool bWhole = std::fread(texels.data(), 1, texels.size(), pFile) == texels.size();
        std::fclose(pFile);
        if (!bWhole || texels.empty()) {
            std::fprintf(stderr, "%s: too short\n", argv[i]);
            nStatus = 1;
            continue;
        }
        std::printf("%s", argv[i]);
        for (const auto eFormat : {zandrel::DxtFormat::kDxt1, zandrel::DxtFormat::kDxt3, zandrel::DxtFormat::kDxt5}) {
            std::uint64_t nLevel0 = 14695981039346656037u, nChain = nLevel0;
            std::vector<std::uint8_t> level = texels;
            for (int w = nWidth, h = nHeight;; w = zandrel::NextMipSide(w), h = zandrel::NextMipSide(h)) {
                const std::vector<std::uint8_t> texture = Encode(eFormat, level, w, h);
                Hash(texture, w == nWidth ? &nLevel0 : &nChain);
                if (w == 1 && h == 1)
                    break;
                std::vector<std::uint8_t> next(static_cast<std::size_t>(zandrel::NextMipSide(w)) * zandrel::NextMipSide(h) * 4);
                zandrel::ReduceMip(level.data(), w, h, next.data());
                level.swap(next);
            }
            std::printf(" %016llx %016llx", static_cast<unsigned long long>(nLevel0), static_cast<unsigned long long>(nChain));
        }
        std::printf("\n");
    }
    return nStatus;
}

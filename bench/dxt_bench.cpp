// zandrel-dxt-bench: DXT1/DXT3/DXT5 quality and speed on 512 x 512 images,
// ours against stb_dxt at its best mode (STB_DXT_HIGHQUAL), both read back
// by the same model of the GE's decode.
//
//   zandrel-dxt-bench                 the table (scripts/dxt-bench.sh runs it)
//   zandrel-dxt-bench --save DIR      writes the images as DIR/NAME.raw for
//                                     zandrel-dxt-hashes (the platform check)
//
// Quality: PSNR over premultiplied RGBA (colour c * a / 255, alpha as is;
// squared errors averaged over pixels and four channels). DXT1 is measured on
// each image composited onto black (stb_dxt has no transparent texels).
// stb_dxt's blocks are put into the GE's order; it has no DXT3, so its DXT3 is
// its DXT5 colour with 4-bit alpha rounded as a PC tool rounds it (a * 15 / 255).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>  // before stb_dxt.h, whose implementation needs memcpy
#include <string>
#include <vector>

#define STB_DXT_IMPLEMENTATION
#include <stb_dxt.h>

#include "convert/texture/dxt/dxt_encoder.h"
#include "dxt_images.h"
#include "dxt_model.h"

namespace {

using zandrel::DxtFormat;
using zandrel::bench::BenchImage;
using Texture = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

zandrel::DxtLayout Layout(DxtFormat eFormat, const BenchImage& image)
{
    zandrel::DxtLayout layout;
    zandrel::ComputeDxtLayout(eFormat, image.nWidth, image.nHeight, std::int64_t{1} << 30, &layout);
    return layout;
}

Texture EncodeOurs(DxtFormat eFormat, const BenchImage& image)
{
    const zandrel::DxtLayout layout = Layout(eFormat, image);
    Texture texture(static_cast<std::size_t>(layout.nBytes));
    zandrel::EncodeDxt(layout, image.bgra.data(), 128, texture.data());
    return texture;
}

// stb_dxt writes S3TC blocks: [alpha block,] endpoints, indices. The GE reads
// indices, endpoints[, alpha block]; a DXT5 alpha block is a0, a1 then the
// indices in S3TC and the indices then a0, a1 for the GE.
Texture EncodeStb(DxtFormat eFormat, const BenchImage& image)
{
    const zandrel::DxtLayout layout = Layout(eFormat, image);
    Texture texture(static_cast<std::size_t>(layout.nBytes), 0);
    const int nBlockBytes = zandrel::DxtBlockBytes(eFormat);
    for (int by = 0; by < image.nHeight / 4; ++by) {
        for (int bx = 0; bx < image.nWidth / 4; ++bx) {
            unsigned char rgba[64], s3tc[16];
            for (int i = 0; i < 16; ++i) {
                const std::uint8_t* p = &image.bgra[((std::size_t(by) * 4 + i / 4) * image.nWidth + bx * 4 + i % 4) * 4];
                rgba[4 * i] = p[2], rgba[4 * i + 1] = p[1], rgba[4 * i + 2] = p[0], rgba[4 * i + 3] = p[3];
            }
            stb_compress_dxt_block(s3tc, rgba, eFormat != DxtFormat::kDxt1, STB_DXT_HIGHQUAL);
            std::uint8_t* pOut = &texture[(std::size_t(by) * layout.nBlocksWide + bx) * nBlockBytes];
            const unsigned char* pColour = eFormat == DxtFormat::kDxt1 ? s3tc : s3tc + 8;
            std::memcpy(pOut, pColour + 4, 4);
            std::memcpy(pOut + 4, pColour, 4);
            if (eFormat == DxtFormat::kDxt5) {
                std::memcpy(pOut + 8, s3tc + 2, 6);
                pOut[14] = s3tc[0], pOut[15] = s3tc[1];
            } else if (eFormat == DxtFormat::kDxt3) {
                for (int i = 0; i < 16; i += 2)
                    pOut[8 + i / 2] = static_cast<std::uint8_t>((rgba[4 * i + 3] * 15 + 127) / 255 |
                                                                 (rgba[4 * i + 7] * 15 + 127) / 255 << 4);
            }
        }
    }
    return texture;
}

double PremultipliedPsnr(DxtFormat eFormat, const BenchImage& image, const Texture& texture)
{
    const std::int64_t nBufferWidth = Layout(eFormat, image).nBufferWidth;
    double sum = 0;
    for (int y = 0; y < image.nHeight; ++y) {
        for (int x = 0; x < image.nWidth; ++x) {
            const std::uint8_t* p = &image.bgra[(std::size_t(y) * image.nWidth + x) * 4];
            const auto t = zandrel::fuzz::ModelTexel(texture.data(), static_cast<int>(eFormat), nBufferWidth, x, y);
            const int source[3] = {p[2], p[1], p[0]};
            for (int c = 0; c < 3; ++c) {
                const double d = (source[c] * p[3] - t[c] * t[3]) / 255.0;
                sum += d * d;
            }
            sum += double(p[3] - t[3]) * (p[3] - t[3]);
        }
    }
    const double mse = sum / (double(image.nWidth) * image.nHeight * 4);
    return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99.0;
}

template <typename Encode>
Texture Timed(Encode encode, double* pSeconds)
{
    const Clock::time_point start = Clock::now();
    Texture texture = encode();
    *pSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    return texture;
}

int SaveImages(const std::vector<BenchImage>& images, const std::string& dir)
{
    for (const BenchImage& image : images) {
        const std::string path = dir + "/" + image.name + ".raw";
        std::FILE* pFile = std::fopen(path.c_str(), "wb");
        const std::uint8_t header[8] = {std::uint8_t(image.nWidth), std::uint8_t(image.nWidth >> 8), 0, 0,
                                        std::uint8_t(image.nHeight), std::uint8_t(image.nHeight >> 8), 0, 0};
        const bool bWritten = pFile && std::fwrite(header, 1, 8, pFile) == 8 &&
                              std::fwrite(image.bgra.data(), 1, image.bgra.size(), pFile) == image.bgra.size();
        if ((pFile && std::fclose(pFile) != 0) || !bWritten) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<BenchImage> images = zandrel::bench::MakeBenchImages();
    if (argc == 3 && std::strcmp(argv[1], "--save") == 0)
        return SaveImages(images, argv[2]);
    std::printf("%-26s %-5s %9s %9s %8s %9s %9s\n", "image (512 x 512)", "fmt", "ours dB", "stb dB", "ahead", "ours s",
                "stb s");
    const char* names[] = {"DXT1", "DXT3", "DXT5"};
    const DxtFormat formats[] = {DxtFormat::kDxt1, DxtFormat::kDxt3, DxtFormat::kDxt5};
    double totals[3][4] = {};
    int nBehind = 0;
    for (const BenchImage& original : images) {
        for (int f = 0; f < 3; ++f) {
            const BenchImage image = f == 0 ? zandrel::bench::Flattened(original) : original;
            double ours = 0, stb = 0;
            const Texture mine = Timed([&] { return EncodeOurs(formats[f], image); }, &ours);
            const Texture theirs = Timed([&] { return EncodeStb(formats[f], image); }, &stb);
            const double psnrOurs = PremultipliedPsnr(formats[f], image, mine);
            const double psnrStb = PremultipliedPsnr(formats[f], image, theirs);
            nBehind += psnrOurs <= psnrStb;
            std::printf("%-26s %-5s %9.2f %9.2f %+8.2f %9.3f %9.3f\n", original.name.c_str(), names[f], psnrOurs,
                        psnrStb, psnrOurs - psnrStb, ours, stb);
            const double row[4] = {psnrOurs, psnrStb, ours, stb};
            for (int i = 0; i < 4; ++i)
                totals[f][i] += row[i] / double(images.size());
        }
    }
    for (int f = 0; f < 3; ++f)
        std::printf("%-26s %-5s %9.2f %9.2f %+8.2f %9.3f %9.3f\n", "mean", names[f], totals[f][0], totals[f][1],
                    totals[f][0] - totals[f][1], totals[f][2], totals[f][3]);
    std::printf("ours ahead of stb_dxt in %zu of %zu cases\n", images.size() * 3 - nBehind, images.size() * 3);
    return nBehind == 0 ? 0 : 1;
}

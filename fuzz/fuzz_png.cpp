// Any bytes through the native PNG decoder give an image of the shape the file's IHDR gives, or a refusal.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/png/png_reader.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

std::uint32_t ReadBE32(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// Mutations rarely keep a chunk's CRC right: for inputs with an even last
// byte every chunk's CRC is set to match, so the decoder sees the mutations.
std::vector<std::uint8_t> WithChunkCrcs(const std::uint8_t* pData, std::size_t nSize)
{
    std::vector<std::uint8_t> bytes(pData, pData + nSize);
    if (nSize == 0 || (pData[nSize - 1] & 1))
        return bytes;
    for (std::size_t nPos = 8; nPos + 12 <= nSize;) {
        const std::uint32_t nLength = ReadBE32(&bytes[nPos]);
        if (nLength > nSize - nPos - 12)
            break;
        const std::uint32_t nCrc = static_cast<std::uint32_t>(crc32(0, &bytes[nPos + 4], nLength + 4));
        for (int i = 0; i < 4; ++i)
            bytes[nPos + 8 + nLength + i] = static_cast<std::uint8_t>(nCrc >> (24 - 8 * i));
        nPos += std::size_t{nLength} + 12;
    }
    return bytes;
}

}  // namespace

int FuzzPng(const std::uint8_t* pInput, std::size_t nSize)
{
    const std::vector<std::uint8_t> bytes = WithChunkCrcs(pInput, nSize);
    const std::uint8_t* pData = bytes.data();
    ByteReader reader(pData, nSize);
    DecodedImage image;
    if (ReadPngImage(reader, &image) != Refusal::kNone) {
        Check(!image.trueColor.pixels.Data() && !image.indexed.indices.Data(), "a refused file holds no pixels");
        return 0;
    }
    // An accepted file starts with its IHDR: signature, length, type, fields.
    Check(nSize >= 33, "an accepted file holds an IHDR");
    const std::uint32_t nWidth = ReadBE32(pData + 16);
    const std::uint32_t nHeight = ReadBE32(pData + 20);
    const int nDepth = pData[24];
    const int nColorType = pData[25];
    const std::size_t nPixels = std::size_t{nWidth} * nHeight;
    if (nColorType == 3) {
        const IndexedImage& indexed = image.indexed;
        Check(image.eShape == ImageShape::kIndexed && indexed.nWidth == static_cast<int>(nWidth) &&
                  indexed.nHeight == static_cast<int>(nHeight) && indexed.nColorCount >= 1 &&
                  indexed.nColorCount <= (1 << nDepth),
              "a palette image keeps the IHDR size and a PLTE that fits its depth");
        for (std::size_t i = 0; i < nPixels; ++i)
            Check(indexed.indices.Data()[i] < (1 << nDepth), "indices fit the depth");
        return 0;
    }
    const TrueColorImage& trueColor = image.trueColor;
    Check(image.eShape == ImageShape::kTrueColor && trueColor.nWidth == static_cast<int>(nWidth) &&
              trueColor.nHeight == static_cast<int>(nHeight),
          "a true-colour image keeps the IHDR size");
    Check((nColorType != 4 && nColorType != 6) || trueColor.bAlpha, "alpha images keep their alpha");
    for (std::size_t i = 0; !trueColor.bAlpha && i < nPixels; ++i)
        Check(trueColor.pixels.Data()[4 * i + 3] == 0xFF, "a 24-bit image is opaque");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzPng)

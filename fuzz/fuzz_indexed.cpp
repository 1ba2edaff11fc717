// Any bytes give a 1-, 4- or 8-bit image matching the file (RLE8 and RLE4 against a plain decoder), or are refused.
#include <algorithm>
#include <climits>
#include <vector>

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/bmp_reader.h"
#include "convert/bmp/indexed_rows.h"
#include "convert/output/default_arrays.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// Pixel k of packed bytes at nBits a pixel, leftmost in the high bits.
std::uint8_t Packed(const std::uint8_t* p, int nBits, std::int64_t k)
{
    const std::int64_t nPerByte = 8 / nBits;
    return std::uint8_t(p[k / nPerByte] >> (8 - nBits * (k % nPerByte + 1)) & ((1 << nBits) - 1));
}

// RLE8 (nBits 8) or RLE4 (4). False for a run past the row's stored length or above the top row, or no end code.
bool DecodeRleSimply(const std::uint8_t* p, std::size_t nSize, int nBits, std::int64_t nWidth, std::int64_t nHeight,
                     std::vector<std::uint8_t>* pRows)
{
    pRows->assign(static_cast<std::size_t>(nWidth * nHeight), 0);
    const std::int64_t nRowLength = std::int64_t(BmpRowStride(std::int32_t(nWidth), nBits)) * 8 / nBits;
    std::int64_t x = 0, y = 0;
    // nCount pixels, pixel k being Packed(pValues, nBits, k), or the one byte's pixels alternating.
    const auto put = [&](std::int64_t nCount, const std::uint8_t* pValues, bool bRepeat) {
        if (y >= nHeight || x + nCount > nRowLength)
            return false;
        for (std::int64_t k = 0; k < nCount; ++k, ++x) {
            if (x < nWidth)
                (*pRows)[static_cast<std::size_t>((nHeight - 1 - y) * nWidth + x)] =
                    Packed(pValues, nBits, bRepeat ? k % (8 / nBits) : k);
        }
        return true;
    };
    for (std::size_t i = 2; i <= nSize; i += 2) {
        const std::uint8_t a = p[i - 2], b = p[i - 1];
        const std::size_t nBytes = nBits == 8 ? b : (b + 1u) / 2;
        if (a > 0) {
            if (!put(a, &p[i - 1], true))
                return false;
        } else if (b == 1) {
            return true;
        } else if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 2 && i + 2 <= nSize) {
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else if (b == 2 || i + nBytes + (nBytes & 1) > nSize || !put(b, &p[i], false)) {
            return false;
        } else {
            i += nBytes + (nBytes & 1);
        }
    }
    return false;
}

}  // namespace

int FuzzIndexed(const std::uint8_t* pData, std::size_t nSize)
{
    ByteReader reader(pData, nSize);
    BmpHeader header;
    IndexedImage image;
    if (ReadBmpHeader(reader, &header) != Refusal::kNone || ReadIndexedBitmap(reader, header, &image) != Refusal::kNone)
        return 0;
    const int nWidth = image.nWidth, nHeight = image.nHeight;
    const std::uint64_t nPixels = std::uint64_t(nWidth) * std::uint64_t(nHeight);
    const int nBits = header.nBitCount;
    Check((nBits == 8 || nBits == 4 || nBits == 1) && nWidth > 0 && nHeight >= 0 && image.nColorCount > 0 &&
              image.nColorCount <= 256 && nPixels <= INT_MAX && image.indices.Size() == nPixels,
          "image size or palette count out of range");
    ByteReader again(pData, nSize);
    DecodedImage decoded;
    int nBitCount = 0;
    Check((ReadBmpImage(again, BmpDepths::kDefaultOutput, &decoded, &nBitCount) == Refusal::kUnsupportedDepth) ==
              (nBits != 8),
          "the default output reads 1 or 4 bits, or refuses 8");
    Color16 palette[256] = {};
    PackPalette(image, palette);
    for (int i = 0; i < image.nColorCount; ++i) {
        const std::uint8_t* pEntry = pData + header.nPaletteOffset + i * header.nPaletteEntrySize;
        const PaletteColor& color = image.colors[i];
        Check(palette[i] == PlainColor(pEntry[2], pEntry[1], pEntry[0]) && color.nRed == pEntry[2] &&
                  color.nGreen == pEntry[1] && color.nBlue == pEntry[0] && color.nAlpha == 255,
              "palette entry differs");
    }

    const std::uint8_t* pIndices = image.indices.Data();
    const std::uint8_t* pStream = pData + header.nPixelOffset;
    const std::size_t nStream = nSize - header.nPixelOffset;
    if (header.nCompression != kBiRgb) {
        std::vector<std::uint8_t> expected;  // a short stream stands for an ordinary picture only
        Check(header.nCompression == (nBits == 8 ? kBiRle8 : kBiRle4) && nBits != 1 &&
                  (nPixels <= (std::uint64_t{1} << 20) || nPixels / 256 < nStream) && !header.bTopDown &&
                  DecodeRleSimply(pStream, nStream, nBits, nWidth, nHeight, &expected) &&
                  std::equal(expected.begin(), expected.end(), pIndices),
              "run-length stream refused by the plain decoder, or its indices differ");
        return 0;
    }
    const std::uint64_t nStride = BmpRowStride(nWidth, nBits);
    Check(nStride * nHeight <= nStream, "rows larger than the file holds");
    for (int y = 0; y < nHeight; ++y) {
        const std::uint8_t* pRow = pStream + (header.bTopDown ? y : nHeight - 1 - y) * nStride;
        for (int x = 0; x < nWidth; ++x)
            Check(pIndices[std::size_t(y) * nWidth + x] == Packed(pRow, nBits, x), "index differs from the file");
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzIndexed)

// Any bytes give an 8-bit image matching the file (RLE8 against a plain decoder), or are refused.
#include <algorithm>
#include <climits>
#include <vector>

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/indexed_rows.h"
#include "convert/output/default_arrays.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// False for a run past the row's stored length or above the top row, or no end code.
bool DecodeRle8Simply(const std::uint8_t* p, std::size_t nSize, std::int64_t nWidth, std::int64_t nHeight,
                      std::vector<std::uint8_t>* pRows)
{
    pRows->assign(static_cast<std::size_t>(nWidth * nHeight), 0);
    std::int64_t x = 0, y = 0;
    const auto put = [&](std::int64_t nCount, const std::uint8_t* pValues, std::size_t nStep) {
        if (y >= nHeight || x + nCount > (nWidth + 3) / 4 * 4)
            return false;
        for (std::int64_t k = 0; k < nCount; ++k, pValues += nStep, ++x) {
            if (x < nWidth)
                (*pRows)[static_cast<std::size_t>((nHeight - 1 - y) * nWidth + x)] = *pValues;
        }
        return true;
    };
    for (std::size_t i = 2; i <= nSize; i += 2) {
        const std::uint8_t a = p[i - 2], b = p[i - 1];
        if (a > 0 && !put(a, &p[i - 1], 0))
            return false;
        if (a > 0)
            continue;
        if (b == 1)
            return true;
        if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 2 && i + 2 <= nSize) {
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else if (b == 2 || i + b + (b & 1) > nSize || !put(b, &p[i], 1)) {
            return false;
        } else {
            i += b + (b & 1);
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
    Check(header.nBitCount == 8 && nWidth > 0 &&
              nHeight >= 0 && image.nColorCount > 0 && image.nColorCount <= 256 && nPixels <= INT_MAX &&
              image.indices.Size() == nPixels,
          "image size or palette count out of range");
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
    if (header.nCompression == kBiRle8) {
        std::vector<std::uint8_t> expected;  // a short stream stands for an ordinary picture only
        Check((nPixels <= (std::uint64_t{1} << 20) || nPixels / 256 < nStream) && !header.bTopDown &&
                  DecodeRle8Simply(pStream, nStream, nWidth, nHeight, &expected) &&
                  std::equal(expected.begin(), expected.end(), pIndices),
              "RLE8 stream refused by the plain decoder, or its indices differ");
        return 0;
    }
    const std::uint64_t nStride = BmpRowStride(nWidth, 8);
    Check(header.nCompression == kBiRgb && nStride * nHeight <= nStream, "rows larger than the file holds");
    for (int y = 0; y < nHeight; ++y) {
        const std::uint64_t nRow = header.bTopDown ? y : nHeight - 1 - y;
        Check(std::equal(pIndices + std::size_t(y) * nWidth, pIndices + std::size_t(y + 1) * nWidth,
                         pStream + nRow * nStride),
              "index row differs from the file");
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzIndexed)

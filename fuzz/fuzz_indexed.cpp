// Fuzzes the indexed path on memory, plain rows and RLE8: any bytes either
// give an image whose indices and palette match the file, a text of exactly
// height row lines of width elements and a binary of 2 x colours + w x h
// bytes, or are refused with nothing made.
#include <algorithm>
#include <climits>
#include <vector>

#include "convert/bmp_header.h"
#include "convert/dib_surface.h"
#include "convert/indexed_image.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// A straightforward RLE8 decoder to hold the real one against: a whole
// decoded image, or false where the stream is refused (a run past the
// row's stored length or above the top row, or no end-of-bitmap code).
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

// The number of palette entries, from the raw header bytes: biClrUsed (0 for
// 256), or for the OS/2 core header as many three-byte entries as fit before
// the pixels, at most 256.
std::uint32_t ExpectedColorCount(const std::uint8_t* pData)
{
    if (ReadLE32(pData + 14) == 12)
        return std::min<std::uint32_t>(256, (ReadLE32(pData + 10) - 26) / 3);
    return ReadLE32(pData + 46) ? ReadLE32(pData + 46) : 256;
}

}  // namespace

int FuzzIndexed(const std::uint8_t* pData, std::size_t nSize)
{
    ByteReader reader(pData, nSize);
    IndexedImage image;
    const Refusal eRefusal = ReadIndexedImage(reader, &image);

    // The decoder sends a file to the indexed path exactly when it is 8-bit.
    CDibSurface surface;
    ByteReader surfaceReader(pData, nSize);
    Check((!surface.Load(surfaceReader) && surface.m_nBitCount == 8) || eRefusal != Refusal::kNone,
          "8-bit file filled a surface or was not measured as 8-bit");
    if (eRefusal != Refusal::kNone) {
        Check(!image.nWidth && !image.nHeight && !image.nColorCount && !image.indices.Size(),
              "a refused file left an image behind");
        return 0;
    }

    BmpHeader header;
    ByteReader headerReader(pData, nSize);
    const int nWidth = image.nWidth, nHeight = image.nHeight;
    const std::size_t nColors = image.nColorCount;
    const std::uint64_t nPixels = std::uint64_t(nWidth) * std::uint64_t(nHeight);
    Check(ReadBmpHeader(headerReader, &header) == Refusal::kNone && header.nBitCount == 8 && nWidth > 0 &&
              nHeight >= 0 && nColors == ExpectedColorCount(pData) && nPixels <= INT_MAX &&
              image.indices.Size() == nPixels,
          "image size or palette count differs from the file");
    for (std::size_t i = 0; i < nColors; ++i) {
        const std::uint8_t* pEntry = pData + header.nPaletteOffset + i * header.nPaletteEntrySize;
        Check(image.palette[i] == PlainColor(pEntry[2], pEntry[1], pEntry[0]), "palette word differs");
    }

    const std::uint8_t* pIndices = image.indices.Data();
    const std::uint8_t* pStream = pData + header.nPixelOffset;
    const std::size_t nStream = nSize - header.nPixelOffset;
    if (header.nCompression == kBiRle8) {
        // A short stream may stand for a picture of ordinary size only.
        std::vector<std::uint8_t> expected;
        Check((nPixels <= (std::uint64_t{1} << 20) || nPixels / 256 < nStream) && !header.bTopDown &&
                  DecodeRle8Simply(pStream, nStream, nWidth, nHeight, &expected) &&
                  std::equal(expected.begin(), expected.end(), pIndices),
              "RLE8 stream refused by the plain decoder, or its indices differ");
    } else {
        const std::uint64_t nStride = BmpRowStride(nWidth, 8);
        Check(header.nCompression == kBiRgb && nStride * nHeight <= nStream, "rows larger than the file holds");
        for (int y = 0; y < nHeight; ++y) {
            const std::uint64_t nRow = header.bTopDown ? y : nHeight - 1 - y;
            Check(std::equal(pIndices + std::size_t(y) * nWidth, pIndices + std::size_t(y + 1) * nWidth,
                             pStream + nRow * nStride),
                  "index row differs from the file");
        }
    }

    // A few stream bytes may stand for a million unset pixels; formatting
    // such an image takes long and exercises nothing smaller ones do not.
    if (nPixels > (1u << 14))
        return 0;
    const bool bConst = nSize & 1;
    StringSink text;
    Check(FormatIndexedSource(text, CString("image_fuzz"), bConst, image.palette, image.nColorCount, pIndices,
                              nWidth, nHeight) &&
              text.m_bytes == "// bitmap image for PSP\r\n// Indexed Palette: colors = " + std::to_string(nColors) +
                                  "\r\n" + PlainDeclaration(bConst, "unsigned short", "image_fuzz_palette") +
                                  PlainRows(image.palette, nColors, 1, 4) + "};\r\n\r\n\r\n// Indexed: width = " +
                                  std::to_string(nWidth) + ", height = " + std::to_string(nHeight) + "\r\n" +
                                  PlainDeclaration(bConst, "unsigned char", "image_fuzz") +
                                  PlainRows(pIndices, nWidth, nHeight, 2) + "};\r\n",
          "C text differs");

    for (const int bLittleEndian : {1, 0}) {
        Color16 ordered[256];
        std::copy(image.palette, image.palette + 256, ordered);
        ApplyByteOrder(ordered, nColors, bLittleEndian);
        StringSink binary;
        Check(WriteIndexedBinary(binary, ordered, image.nColorCount, pIndices, nWidth, nHeight) &&
                  binary.m_bytes == PlainWords(image.palette, nColors, bLittleEndian) +
                                        std::string(pIndices, pIndices + nPixels),
              "binary differs");
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzIndexed)

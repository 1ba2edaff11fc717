// Fuzzes the indexed path on memory, plain rows and RLE8: any bytes either
// give an image whose indices and palette match the file, a text of exactly
// height row lines of width elements and a binary of 2 x colours + w x h
// bytes, or are refused with nothing made.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/bmp_header.h"
#include "convert/byte_reader.h"
#include "convert/dib_surface.h"
#include "convert/indexed_image.h"
#include "convert/output_writer.h"
#include "fuzz_support.h"

namespace {

using zandrel::fuzz::Check;

constexpr std::uint64_t kLargestFormattedImage = std::uint64_t{1} << 14;

// A straightforward RLE8 decoder to hold the real one against: a whole
// decoded image, or false where the stream is refused (a run past the
// row's stored length or above the top row, or no end-of-bitmap code).
bool DecodeRle8Simply(const std::uint8_t* p, std::size_t nSize, std::int64_t nWidth, std::int64_t nHeight,
                      std::vector<std::uint8_t>* pRows)
{
    pRows->assign(static_cast<std::size_t>(nWidth * nHeight), 0);
    const std::int64_t nStored = (nWidth + 3) / 4 * 4;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::size_t i = 0;
    const auto put = [&](std::int64_t nAt, std::uint8_t nValue) {
        if (nAt < nWidth)
            (*pRows)[static_cast<std::size_t>((nHeight - 1 - y) * nWidth + nAt)] = nValue;
    };
    while (i + 2 <= nSize) {
        const std::uint8_t a = p[i];
        const std::uint8_t b = p[i + 1];
        i += 2;
        if (a > 0) {
            if (y >= nHeight || x + a > nStored)
                return false;
            for (int k = 0; k < a; ++k)
                put(x + k, b);
            x += a;
        } else if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 1) {
            return true;
        } else if (b == 2) {
            if (i + 2 > nSize)
                return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {
            if (y >= nHeight || x + b > nStored)
                return false;
            if (i + b + (b & 1) > nSize)
                return false;
            for (int k = 0; k < b; ++k)
                put(x + k, p[i + k]);
            x += b;
            i += b + (b & 1);
        }
    }
    return false;
}

void CheckText(const std::string& text, bool bConst, const zandrel::IndexedImage& image)
{
    zandrel::fuzz::LineCursor lines(zandrel::fuzz::SplitCrLfLines(text));
    lines.Expect("// bitmap image for PSP");
    lines.Expect("// Indexed Palette: colors = " + std::to_string(image.nColorCount));
    lines.Expect(zandrel::fuzz::Declaration(bConst, "unsigned short", "image_fuzz_palette"));
    zandrel::fuzz::CheckElementLine(lines.Next(), image.palette, static_cast<std::size_t>(image.nColorCount), 4);
    lines.Expect("};");
    lines.Expect("");
    lines.Expect("");
    lines.Expect("// Indexed: width = " + std::to_string(image.nWidth) + ", height = " + std::to_string(image.nHeight));
    lines.Expect(zandrel::fuzz::Declaration(bConst, "unsigned char", "image_fuzz"));
    lines.ExpectRows(image.indices.Data(), image.nWidth, image.nHeight, 2);
    lines.Expect("};");
    lines.ExpectEnd();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    zandrel::ByteReader reader(pData, nSize);
    zandrel::IndexedImage image;
    const zandrel::Refusal eRefusal = zandrel::ReadIndexedImage(reader, &image);

    zandrel::BmpHeader header;
    zandrel::ByteReader headerReader(pData, nSize);
    const bool bHeaderRead = zandrel::ReadBmpHeader(headerReader, &header) == zandrel::Refusal::kNone;

    // The decoder sends a file to the indexed path exactly when it is 8-bit.
    zandrel::CDibSurface surface;
    zandrel::ByteReader surfaceReader(pData, nSize);
    Check(surface.Load(surfaceReader) == 0 || eRefusal != zandrel::Refusal::kNone, "8-bit file filled a surface");
    Check(eRefusal != zandrel::Refusal::kNone || surface.m_nBitCount == 8, "indexed image not measured as 8-bit");

    if (eRefusal != zandrel::Refusal::kNone) {
        Check(image.nWidth == 0 && image.nHeight == 0 && image.nColorCount == 0 && image.indices.Size() == 0,
              "a refused file left an image behind");
        return 0;
    }

    const int nWidth = image.nWidth;
    const int nHeight = image.nHeight;
    Check(bHeaderRead && header.nBitCount == 8, "image read from a file that is not 8-bit");
    Check(nWidth > 0 && nHeight >= 0, "image has a bad size");
    Check(image.nColorCount >= 1 && image.nColorCount <= 256, "palette count out of range");
    const std::uint64_t nPixels = static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight);
    Check(nPixels <= INT_MAX && image.indices.Size() == nPixels, "index array size");

    // The palette, entry by entry.
    for (int i = 0; i < image.nColorCount; ++i) {
        const std::uint8_t* pEntry = pData + header.nPaletteOffset + static_cast<std::size_t>(i) * header.nPaletteEntrySize;
        Check(image.palette[i] == zandrel::PackColor16(pEntry[2], pEntry[1], pEntry[0]), "palette word differs");
    }

    const std::uint8_t* pIndices = image.indices.Data();
    const std::uint8_t* pStream = pData + header.nPixelOffset;
    const std::size_t nStream = nSize - header.nPixelOffset;
    if (header.nCompression == zandrel::kBiRle8) {
        // A short stream may stand for a picture of ordinary size only.
        Check(nPixels <= (std::uint64_t{1} << 20) || nPixels / 256 < nStream, "RLE8 image far larger than its stream");
        std::vector<std::uint8_t> expected;
        Check(DecodeRle8Simply(pStream, nStream, nWidth, nHeight, &expected), "RLE8 stream accepted but invalid");
        Check(nPixels == 0 || std::equal(expected.begin(), expected.end(), pIndices), "RLE8 indices differ");
    } else {
        Check(header.nCompression == zandrel::kBiRgb, "compression neither plain nor RLE8");
        const std::uint64_t nStride = zandrel::BmpRowStride(nWidth, 8);
        Check(nStride * static_cast<std::uint64_t>(nHeight) <= nStream, "rows larger than the file holds");
        for (int y = 0; y < nHeight; ++y) {
            const std::uint64_t nRow = header.bTopDown ? y : nHeight - 1 - y;
            Check(std::equal(pIndices + static_cast<std::size_t>(y) * nWidth,
                             pIndices + static_cast<std::size_t>(y + 1) * nWidth, pStream + nRow * nStride),
                  "index row differs from the file");
        }
    }

    // A few stream bytes may stand for a million unset pixels; formatting
    // such an image takes a hundred times longer than the rest of the run and
    // exercises nothing that smaller images do not.
    if (nPixels > kLargestFormattedImage)
        return 0;

    const bool bConst = (nSize & 1) != 0;
    zandrel::fuzz::StringSink text;
    Check(zandrel::FormatIndexedSource(text, CString("image_fuzz"), bConst, image.palette, image.nColorCount, pIndices,
                                       nWidth, nHeight),
          "formatting failed");
    CheckText(text.Bytes(), bConst, image);

    for (const int bLittleEndian : {1, 0}) {
        zandrel::Color16 ordered[256];
        std::copy(image.palette, image.palette + 256, ordered);
        zandrel::ApplyByteOrder(ordered, static_cast<std::size_t>(image.nColorCount), bLittleEndian);
        zandrel::fuzz::StringSink binary;
        Check(zandrel::WriteIndexedBinary(binary, ordered, image.nColorCount, pIndices, nWidth, nHeight),
              "binary failed");
        const std::string& bytes = binary.Bytes();
        const std::size_t nColors = static_cast<std::size_t>(image.nColorCount);
        Check(bytes.size() == 2 * nColors + nPixels, "binary size is not 2 x colours + w x h");
        for (std::size_t i = 0; i < nColors; ++i)
            Check(zandrel::fuzz::LoadWord(bytes, 2 * i, bLittleEndian != 0) == image.palette[i], "binary palette word");
        Check(std::equal(pIndices, pIndices + nPixels, bytes.begin() + static_cast<std::ptrdiff_t>(2 * nColors),
                         [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }),
              "binary index bytes differ");
    }
    return 0;
}

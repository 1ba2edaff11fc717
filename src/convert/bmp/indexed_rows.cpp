// The palette bitmap's palette and rows: plain 8-bit rows here, 1- and 4-bit
// rows in packed_indexed_rows.cpp, RLE8 and RLE4 in run_length.cpp.
#include "convert/bmp/indexed_rows.h"

#include <cstddef>
#include <utility>

#include "convert/bmp/packed_indexed_rows.h"
#include "convert/bmp/run_length.h"

namespace zandrel {
namespace {

// A run-length image larger than this needs at least one stream byte for
// every kRlePixelsPerStreamByte pixels. Runs of 255 pixels in two bytes plus
// a line end per row stay well inside that; only a stream that leaves most
// of a huge image unset (early end-of-bitmap, long deltas) is refused.
constexpr std::uint64_t kRlePixelsWithoutStream = std::uint64_t{1} << 20;
constexpr std::uint64_t kRlePixelsPerStreamByte = 256;

// RLE8 holds 8-bit pixels only, RLE4 4-bit ones.
bool IsRunLength(const BmpHeader& header)
{
    return (header.nCompression == kBiRle8 && header.nBitCount == 8) ||
           (header.nCompression == kBiRle4 && header.nBitCount == 4);
}

Refusal CheckIndexedHeader(const BmpHeader& header)
{
    if (header.nBitCount != 8 && header.nBitCount != 4 && header.nBitCount != 1)
        return Refusal::kUnsupportedDepth;
    if (header.nCompression != kBiRgb && !IsRunLength(header))
        return Refusal::kUnsupportedFormat;
    // Run-length data is defined bottom-up only.
    if (IsRunLength(header) && header.bTopDown)
        return Refusal::kTopDownRle;
    if (header.nWidth <= 0 || header.nHeight < 0)
        return Refusal::kBadHeader;
    return CheckImageSize(ImageShape::kIndexed, static_cast<std::uint64_t>(header.nWidth),
                          static_cast<std::uint64_t>(header.nHeight));
}

Refusal ReadPalette(ByteReader& reader, const BmpHeader& header, IndexedImage* pImage)
{
    // At most 256 entries of at most 4 bytes: the header reader caps the count.
    std::uint8_t raw[256 * 4];
    const std::size_t nEntrySize = header.nPaletteEntrySize;
    if (header.nPaletteCount > 256 || nEntrySize > 4)
        return Refusal::kBadHeader;
    if (!reader.Read(raw, header.nPaletteCount * nEntrySize))
        return Refusal::kTruncated;
    for (std::uint32_t i = 0; i < header.nPaletteCount; ++i) {
        const std::uint8_t* pEntry = raw + i * nEntrySize;  // blue, green, red[, reserved]
        pImage->colors[i] = {pEntry[2], pEntry[1], pEntry[0], 255};
    }
    pImage->nColorCount = static_cast<int>(header.nPaletteCount);
    return Refusal::kNone;
}

// Uncompressed rows go straight to their top-down place; the alignment bytes
// after each row are read and dropped.
Refusal ReadPlainRows(ByteReader& reader, const BmpHeader& header, std::uint8_t* pRows)
{
    const std::size_t nWidth = static_cast<std::size_t>(header.nWidth);
    const std::size_t nHeight = static_cast<std::size_t>(header.nHeight);
    const std::size_t nPadding = static_cast<std::size_t>(BmpRowStride(header.nWidth, 8)) - nWidth;
    for (std::size_t nStored = 0; nStored < nHeight; ++nStored) {
        const std::size_t nRow = header.bTopDown ? nStored : nHeight - 1 - nStored;
        std::uint8_t scratch[4];
        if (!reader.Read(pRows + nRow * nWidth, nWidth) || !reader.Read(scratch, nPadding))
            return Refusal::kTruncated;
    }
    return Refusal::kNone;
}

}  // namespace

Refusal ReadIndexedBitmap(ByteReader& reader, const BmpHeader& header, IndexedImage* pImage)
{
    Refusal eRefusal = CheckIndexedHeader(header);
    if (eRefusal != Refusal::kNone)
        return eRefusal;

    IndexedImage image;
    image.nWidth = header.nWidth;
    image.nHeight = header.nHeight;
    eRefusal = ReadPalette(reader, header, &image);
    if (eRefusal != Refusal::kNone)
        return eRefusal;
    // Whatever lies between the palette and the pixel offset is skipped.
    if (!reader.SkipTo(header.nPixelOffset))
        return Refusal::kTruncated;

    // The file must hold the rows (or at least an end-of-bitmap code) before
    // a buffer is taken for them.
    const std::uint64_t nPixels = static_cast<std::uint64_t>(header.nWidth) * static_cast<std::uint64_t>(header.nHeight);
    const bool bRunLength = IsRunLength(header);
    const std::uint64_t nNeeded =
        bRunLength ? 2 : BmpRowStride(header.nWidth, header.nBitCount) * static_cast<std::uint64_t>(header.nHeight);
    if (nNeeded > reader.Remaining())
        return Refusal::kTruncated;
    // A run-length stream of a few bytes may leave a whole image at index 0.
    // Past a size any real picture fits, the stream must be long enough for
    // the image it claims, so that a tiny file cannot take gigabytes.
    if (bRunLength && nPixels > kRlePixelsWithoutStream && nPixels / kRlePixelsPerStreamByte >= reader.Remaining())
        return Refusal::kTruncated;
    if (!image.indices.Allocate(static_cast<std::size_t>(nPixels)))
        return Refusal::kOutOfMemory;

    if (bRunLength)
        eRefusal = DecodeRunLength(reader, header.nBitCount, header.nWidth, header.nHeight, image.indices.Data());
    else if (header.nBitCount == 8)
        eRefusal = ReadPlainRows(reader, header, image.indices.Data());
    else
        eRefusal = ReadPackedIndexRows(reader, header, image.indices.Data());
    if (eRefusal != Refusal::kNone)
        return eRefusal;
    *pImage = std::move(image);
    return Refusal::kNone;
}

}  // namespace zandrel

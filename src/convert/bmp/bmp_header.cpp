// ReadBmpHeader: every header size, masks, the palette's place and the checks before any pixel.
#include "convert/bmp/bmp_header.h"

#include <algorithm>
#include <climits>

namespace zandrel {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

bool IsKnownInfoSize(std::uint32_t nSize)
{
    switch (nSize) {
    case 12: case 40: case 52: case 56: case 64: case 108: case 124:
        return true;
    default:
        return false;
    }
}

}  // namespace

std::uint64_t BmpRowStride(std::int32_t nWidth, int nBitCount)
{
    if (nWidth <= 0 || nBitCount <= 0)
        return 0;
    const std::uint64_t nBits = static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nBitCount);
    return ((nBits + 31) / 32) * 4;
}

Refusal ReadBmpHeader(ByteReader& reader, BmpHeader* pHeader)
{
    BmpHeader header;
    std::uint8_t fileHeader[kFileHeaderSize + 4];
    // A file too short for the signature is a bitmap cut short only when what
    // it holds is the start of "BM".
    if (reader.Remaining() < 2) {
        if (reader.Remaining() == 1 && reader.Read(fileHeader, 1) && fileHeader[0] == 'B')
            return Refusal::kTruncated;
        return Refusal::kNotBitmap;
    }
    if (!reader.Read(fileHeader, 2))
        return Refusal::kTruncated;
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return Refusal::kNotBitmap;
    if (!reader.Read(fileHeader + 2, sizeof fileHeader - 2))
        return Refusal::kTruncated;
    header.nPixelOffset = ReadLE32(fileHeader + 10);
    header.nInfoSize = ReadLE32(fileHeader + 14);
    if (!IsKnownInfoSize(header.nInfoSize))
        return Refusal::kBadHeader;

    std::uint8_t info[124] = {};
    if (!reader.Read(info + 4, header.nInfoSize - 4))
        return Refusal::kTruncated;

    std::int64_t nStoredHeight = 0;
    if (header.nInfoSize == kCoreHeaderSize) {
        header.nWidth = ReadLE16(info + 4);
        nStoredHeight = ReadLE16(info + 6);
        header.nPlanes = ReadLE16(info + 8);
        header.nBitCount = ReadLE16(info + 10);
        header.nPaletteEntrySize = 3;
    } else {
        header.nWidth = static_cast<std::int32_t>(ReadLE32(info + 4));
        nStoredHeight = static_cast<std::int32_t>(ReadLE32(info + 8));
        header.nPlanes = ReadLE16(info + 12);
        header.nBitCount = ReadLE16(info + 14);
        header.nCompression = ReadLE32(info + 16);
    }
    if (nStoredHeight == INT_MIN)
        return Refusal::kBadHeader;
    header.bTopDown = nStoredHeight < 0;
    header.nHeight = static_cast<std::int32_t>(header.bTopDown ? -nStoredHeight : nStoredHeight);

    // Masks: inside headers of 52 bytes and more, or right after a 40-byte
    // header whose compression says they are there.
    std::uint32_t nMasksAfterHeader = 0;
    if (header.nInfoSize == 40) {
        if (header.nCompression == kBiBitfields)
            nMasksAfterHeader = 12;
        else if (header.nCompression == kBiAlphaBitfields)
            nMasksAfterHeader = 16;
        if (nMasksAfterHeader && !reader.Read(info + 40, nMasksAfterHeader))
            return Refusal::kTruncated;
    }
    if (header.nInfoSize >= 52 || nMasksAfterHeader >= 12) {
        header.nRedMask = ReadLE32(info + 40);
        header.nGreenMask = ReadLE32(info + 44);
        header.nBlueMask = ReadLE32(info + 48);
    }
    if (header.nInfoSize >= 56 || nMasksAfterHeader == 16) {
        header.nAlphaMask = ReadLE32(info + 52);
        header.bHasAlphaMask = true;
    }
    // The OS/2 2.x header of 64 bytes holds no masks at 40..55; its fields
    // there mean something else.
    if (header.nInfoSize == 64) {
        header.nRedMask = header.nGreenMask = header.nBlueMask = header.nAlphaMask = 0;
        header.bHasAlphaMask = false;
    }

    header.nPaletteOffset = kFileHeaderSize + header.nInfoSize + nMasksAfterHeader;
    if (header.nBitCount >= 1 && header.nBitCount <= 8) {
        const std::uint32_t nMaxColors = 1u << header.nBitCount;
        std::uint32_t nUsed = header.nInfoSize == kCoreHeaderSize ? 0 : ReadLE32(info + 32);
        if (nUsed > 256)
            return Refusal::kBadHeader;
        header.nPaletteCount = nUsed == 0 ? nMaxColors : nUsed;
        // OS/2 1.x 8-bit files may carry fewer than 256 entries: as many as
        // fit before the pixels. With no room for one the offset is refused.
        const std::uint32_t nRoom = header.nPixelOffset - std::min(header.nPixelOffset, header.nPaletteOffset);
        if (header.nInfoSize == kCoreHeaderSize && header.nBitCount == 8 && nRoom >= 3)
            header.nPaletteCount = std::min(nMaxColors, nRoom / 3);
    }
    // A true-colour image may carry an optional palette; nothing reads it, so
    // only the headers must lie before the pixels.

    const std::uint64_t nPaletteEnd = static_cast<std::uint64_t>(header.nPaletteOffset) +
                                      static_cast<std::uint64_t>(header.nPaletteCount) * header.nPaletteEntrySize;
    if (header.nPixelOffset < nPaletteEnd || header.nPixelOffset > reader.Size())
        return Refusal::kBadHeader;
    // The pixels are a whole JPEG or PNG file (in the OS/2 2.x header these
    // values mean other compressions, refused by the pixel decoders).
    if ((header.nCompression == kBiJpeg || header.nCompression == kBiPng) && header.nInfoSize != 64)
        return Refusal::kEmbeddedImage;

    *pHeader = header;
    return Refusal::kNone;
}

}  // namespace zandrel

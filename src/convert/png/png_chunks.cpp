// The PNG chunk walk: lengths, CRCs, order, IHDR, PLTE and tRNS.
#include "convert/png/png_chunks.h"

#include <zlib.h>

#include <climits>
#include <cstring>

namespace zandrel {
namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;
// Deflate cannot expand data more than this (a 258-byte match in two bits),
// so image data shorter than its image over this is cut short or corrupt:
// refused before a tiny file gets a huge image allocated.
constexpr std::uint64_t kMaxDeflateRatio = 1032;

std::uint32_t ReadBE32(const std::uint8_t* p)
{
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

bool IsLetter(std::uint8_t ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

std::uint32_t ChunkCrc(const std::uint8_t* pTypeAndData, std::uint32_t nLength)
{
    // A chunk's length is at most 2^31 - 1, so type and data fit zlib's 32-bit count.
    return static_cast<std::uint32_t>(crc32(0, pTypeAndData, static_cast<uInt>(nLength) + 4));
}

bool IsValidDepth(int nColorType, int nDepth)
{
    switch (nColorType) {
    case kPngGrey: return nDepth == 1 || nDepth == 2 || nDepth == 4 || nDepth == 8 || nDepth == 16;
    case kPngPalette: return nDepth == 1 || nDepth == 2 || nDepth == 4 || nDepth == 8;
    case kPngRgb:
    case kPngGreyAlpha:
    case kPngRgba: return nDepth == 8 || nDepth == 16;
    default: return false;
    }
}

Refusal ReadHeader(const std::uint8_t* p, std::uint32_t nLength, PngHeader* pHeader)
{
    if (nLength != 13)
        return Refusal::kPngBadHeader;
    pHeader->nWidth = ReadBE32(p);
    pHeader->nHeight = ReadBE32(p + 4);
    pHeader->nBitDepth = p[8];
    pHeader->nColorType = p[9];
    pHeader->bInterlaced = p[12] == 1;
    if (pHeader->nWidth == 0 || pHeader->nHeight == 0 || pHeader->nWidth > INT_MAX || pHeader->nHeight > INT_MAX ||
        !IsValidDepth(pHeader->nColorType, pHeader->nBitDepth) || p[10] != 0 || p[11] != 0 || p[12] > 1)
        return Refusal::kPngBadHeader;
    // Settled before anything is allocated for the pixels.
    return CheckImageSize(pHeader->nColorType == kPngPalette ? ImageShape::kIndexed : ImageShape::kTrueColor,
                          pHeader->nWidth, pHeader->nHeight);
}

Refusal ReadPalette(const std::uint8_t* p, std::uint32_t nLength, PngHeader* pHeader)
{
    if (pHeader->nColorType == kPngGrey || pHeader->nColorType == kPngGreyAlpha)
        return Refusal::kPngBadChunks;
    const std::uint32_t nCount = nLength / 3;
    if (nLength % 3 != 0 || nCount == 0 || nCount > 256 ||
        (pHeader->nColorType == kPngPalette && nCount > (1u << pHeader->nBitDepth)))
        return Refusal::kPngBadPalette;
    for (std::uint32_t i = 0; i < nCount; ++i)
        pHeader->palette[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2], 255};
    pHeader->nPaletteCount = static_cast<int>(nCount);
    return Refusal::kNone;
}

Refusal ReadTransparency(const std::uint8_t* p, std::uint32_t nLength, PngHeader* pHeader)
{
    switch (pHeader->nColorType) {
    case kPngPalette:
        if (pHeader->nPaletteCount == 0)
            return Refusal::kPngBadPalette;
        if (nLength > static_cast<std::uint32_t>(pHeader->nPaletteCount))
            return Refusal::kPngBadChunks;
        for (std::uint32_t i = 0; i < nLength; ++i)
            pHeader->palette[i].nAlpha = p[i];
        return Refusal::kNone;
    case kPngGrey:
    case kPngRgb: {
        const std::uint32_t nSamples = pHeader->nColorType == kPngGrey ? 1 : 3;
        if (nLength != 2 * nSamples)
            return Refusal::kPngBadChunks;
        for (std::uint32_t i = 0; i < nSamples; ++i)
            pHeader->key[i] = static_cast<std::uint16_t>((p[2 * i] << 8) | p[2 * i + 1]);
        pHeader->bHasKey = true;
        return Refusal::kNone;
    }
    default:
        return Refusal::kPngBadChunks;  // alpha images carry no tRNS
    }
}

}  // namespace

int PngChannelCount(int nColorType)
{
    switch (nColorType) {
    case kPngRgb: return 3;
    case kPngGreyAlpha: return 2;
    case kPngRgba: return 4;
    default: return 1;
    }
}

bool PngDataCrcsMatch(const std::uint8_t* pKept, std::size_t nKept)
{
    for (std::size_t nPos = kSignatureSize; nPos + 12 <= nKept;) {
        const std::uint32_t nLength = ReadBE32(pKept + nPos);
        if (std::memcmp(pKept + nPos + 4, "IDAT", 4) == 0 &&
            ChunkCrc(pKept + nPos + 4, nLength) != ReadBE32(pKept + nPos + 8 + nLength))
            return false;
        nPos += std::size_t{nLength} + 12;
    }
    return true;
}

Refusal ReadPngChunks(std::uint8_t* pFile, std::size_t nSize, bool bCheckDataCrcs, PngHeader* pHeader,
                      std::size_t* pKeptSize)
{
    *pHeader = PngHeader();
    std::size_t nPos = kSignatureSize;
    std::size_t& nKept = *pKeptSize;
    nKept = kSignatureSize;
    bool bHeader = false, bTransparency = false, bData = false, bDataEnded = false;
    std::uint64_t nDataBytes = 0;
    for (;;) {
        if (nSize < nPos || nSize - nPos < 12)
            return Refusal::kTruncated;
        std::uint8_t* pChunk = pFile + nPos;
        const std::uint32_t nLength = ReadBE32(pChunk);
        if (nLength > kMaxChunkLength)
            return Refusal::kPngBadChunks;
        if (nLength > nSize - nPos - 12)
            return Refusal::kTruncated;
        const std::uint8_t* pType = pChunk + 4;
        const std::uint8_t* pData = pChunk + 8;
        if (!IsLetter(pType[0]) || !IsLetter(pType[1]) || !IsLetter(pType[2]) || !IsLetter(pType[3]))
            return Refusal::kPngBadChunks;
        const bool bIsHeader = std::memcmp(pType, "IHDR", 4) == 0;
        const bool bIsData = std::memcmp(pType, "IDAT", 4) == 0;
        if ((bCheckDataCrcs || !bIsData) && ChunkCrc(pType, nLength) != ReadBE32(pData + nLength))
            return Refusal::kPngBadChecksum;
        const std::size_t nChunkSize = std::size_t{nLength} + 12;
        nPos += nChunkSize;

        const bool bIsEnd = std::memcmp(pType, "IEND", 4) == 0;
        if (bIsHeader != !bHeader)
            return bHeader ? Refusal::kPngBadChunks : Refusal::kPngBadHeader;
        if (bData && !bIsData)
            bDataEnded = true;
        Refusal eRefusal = Refusal::kNone;
        bool bKeep = true;
        if (bIsHeader) {
            eRefusal = ReadHeader(pData, nLength, pHeader);
            bHeader = true;
        } else if (bIsData) {
            if (pHeader->nColorType == kPngPalette && pHeader->nPaletteCount == 0)
                eRefusal = Refusal::kPngBadPalette;
            else if (bDataEnded)
                eRefusal = Refusal::kPngBadChunks;
            // Refused as it would be had its CRC been checked first.
            if (eRefusal != Refusal::kNone && ChunkCrc(pType, nLength) != ReadBE32(pData + nLength))
                eRefusal = Refusal::kPngBadChecksum;
            bData = true;
            nDataBytes += nLength;
        } else if (std::memcmp(pType, "PLTE", 4) == 0) {
            if (pHeader->nPaletteCount != 0 || bTransparency || bData)
                return Refusal::kPngBadChunks;
            eRefusal = ReadPalette(pData, nLength, pHeader);
            bKeep = pHeader->nColorType == kPngPalette;
        } else if (std::memcmp(pType, "tRNS", 4) == 0) {
            if (bTransparency || bData)
                return Refusal::kPngBadChunks;
            eRefusal = ReadTransparency(pData, nLength, pHeader);
            bTransparency = true;
            bKeep = false;
        } else if (bIsEnd) {
            if (pHeader->nColorType == kPngPalette && pHeader->nPaletteCount == 0)
                return Refusal::kPngBadPalette;
            if (!bData || nLength != 0)
                return Refusal::kPngBadChunks;
            const auto nSamplesPerPixel = static_cast<std::uint64_t>(PngChannelCount(pHeader->nColorType));
            const std::uint64_t nSampleBits = std::uint64_t{pHeader->nWidth} * pHeader->nHeight * nSamplesPerPixel *
                                              static_cast<std::uint64_t>(pHeader->nBitDepth);
            if (nDataBytes * kMaxDeflateRatio < nSampleBits / 8)
                return Refusal::kPngBadData;
        } else if (pType[0] & 0x20) {
            bKeep = false;  // ancillary: gamma, profiles, text and the like are ignored
        } else {
            return Refusal::kPngBadChunks;  // a critical chunk we cannot know
        }
        if (eRefusal != Refusal::kNone)
            return eRefusal;
        if (bKeep) {
            if (pFile + nKept != pChunk)
                std::memmove(pFile + nKept, pChunk, nChunkSize);
            nKept += nChunkSize;
        }
        if (bIsEnd)
            return Refusal::kNone;
    }
}

}  // namespace zandrel

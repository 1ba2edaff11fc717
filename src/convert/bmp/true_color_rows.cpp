// The rows of 16-, 24- and 32-bit bitmaps: masks, streaming through a bounded chunk,
// bottom-up order and the padding fourth byte.
#include "convert/bmp/true_color_rows.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "convert/bmp/sixteen_bit_masks.h"
#include "convert/large_buffer.h"

namespace zandrel {
namespace {

// The fourth byte where the file says nothing about alpha: opaque.
constexpr std::uint8_t kNoAlpha = 0xFF;

bool IsContiguous(std::uint32_t nMask)
{
    if (nMask == 0)
        return false;
    const std::uint32_t nRun = nMask >> std::countr_zero(nMask);
    return (nRun & (nRun + 1)) == 0;
}

// A field of a contiguous mask: its top 8 bits, or all of a narrower field
// scaled up by repeating its bits (a 5-bit 31 becomes 255, 16 becomes 0x84).
ChannelField MakeField(std::uint32_t nMask)
{
    ChannelField field;
    const int nLow = std::countr_zero(nMask);
    const int nWidth = std::popcount(nMask);
    const int nKept = std::min(nWidth, 8);
    field.nShift = nLow + (nWidth - nKept);
    field.nMask = (1u << nKept) - 1;
    for (std::uint32_t v = 0; v <= field.nMask; ++v) {
        std::uint32_t nAcc = 0;
        int nBits = 0;
        while (nBits < 8) {
            nAcc = (nAcc << nKept) | v;
            nBits += nKept;
        }
        field.scale[v] = static_cast<std::uint8_t>(nAcc >> (nBits - 8));
    }
    return field;
}

ChannelField MakeConstantField(std::uint8_t nValue)
{
    ChannelField field;
    field.scale[0] = nValue;
    return field;
}

bool IsWholeByte(const ChannelField& field, int nByte)
{
    return field.nShift == 8 * nByte && field.nMask == 0xFF;
}

void UnpackBgr24(const std::uint8_t* pSrc, std::size_t nPixels, std::uint8_t* pDst)
{
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four-byte loads, each taking one byte of the next pixel along; the
        // last pixel is left to the byte loop so no load passes the run.
        for (; i + 1 < nPixels; ++i) {
            std::uint32_t nPixel;
            std::memcpy(&nPixel, pSrc + 3 * i, 4);
            nPixel |= std::uint32_t{kNoAlpha} << 24;
            std::memcpy(pDst + 4 * i, &nPixel, 4);
        }
    }
    for (; i < nPixels; ++i) {
        pDst[4 * i] = pSrc[3 * i];
        pDst[4 * i + 1] = pSrc[3 * i + 1];
        pDst[4 * i + 2] = pSrc[3 * i + 2];
        pDst[4 * i + 3] = kNoAlpha;
    }
}

// Pixels of nBytes (2 or 4) bytes, channels cut out by the layout's masks.
template <int nBytes>
void UnpackMasked(const TrueColorLayout& layout, const std::uint8_t* pSrc, std::size_t nPixels, std::uint8_t* pDst)
{
    for (std::size_t i = 0; i < nPixels; ++i) {
        const std::uint32_t nPixel = nBytes == 2 ? ReadLE16(pSrc + 2 * i) : ReadLE32(pSrc + 4 * i);
        pDst[4 * i] = layout.blue.Extract(nPixel);
        pDst[4 * i + 1] = layout.green.Extract(nPixel);
        pDst[4 * i + 2] = layout.red.Extract(nPixel);
        pDst[4 * i + 3] = layout.fourth.Extract(nPixel);
    }
}

// Rows already in image order are read straight into their place, a group
// of rows per read. Bottom-up groups land in one block and are put in order
// there, which keeps reads large for narrow images without a second buffer.
Refusal ReadRowsInPlace(ByteReader& reader, std::uint64_t nWidth, std::uint64_t nHeight, bool bTopDown,
                        std::uint8_t* pPixels, std::size_t nChunkBytes)
{
    const std::uint64_t nRowBytes = 4 * nWidth;
    const std::uint64_t nRowsPerRead = std::max<std::uint64_t>(1, nChunkBytes / nRowBytes);
    for (std::uint64_t nStored = 0; nStored < nHeight;) {
        const std::uint64_t nRows = std::min(nRowsPerRead, nHeight - nStored);
        const std::uint64_t nFirstRow = bTopDown ? nStored : nHeight - nStored - nRows;
        std::uint8_t* pBlock = pPixels + nFirstRow * nRowBytes;
        if (!reader.Read(pBlock, static_cast<std::size_t>(nRows * nRowBytes)))
            return Refusal::kTruncated;
        if (!bTopDown) {
            for (std::uint64_t i = 0; i < nRows / 2; ++i) {
                std::uint8_t* pUpper = pBlock + i * nRowBytes;
                std::swap_ranges(pUpper, pUpper + nRowBytes, pBlock + (nRows - 1 - i) * nRowBytes);
            }
        }
        nStored += nRows;
    }
    return Refusal::kNone;
}

// Rows that need unpacking stream through a bounded chunk: several rows per
// read when a row fits, pieces of a row when it does not.
template <typename Unpack>
Refusal StreamRows(ByteReader& reader, std::uint64_t nWidth, std::uint64_t nHeight, bool bTopDown,
                   std::uint8_t* pPixels, std::size_t nChunkBytes, std::uint64_t nBytesPerPixel, Unpack unpack)
{
    const std::uint64_t nRowBytes = nWidth * nBytesPerPixel;
    const std::uint64_t nStride = (nRowBytes + 3) / 4 * 4;
    const std::uint64_t nOutRowBytes = 4 * nWidth;
    auto ImageRow = [&](std::uint64_t nStored) {
        return pPixels + (bTopDown ? nStored : nHeight - 1 - nStored) * nOutRowBytes;
    };

    LargeBuffer chunk;
    if (nStride <= nChunkBytes) {
        const std::uint64_t nRowsPerRead = std::min<std::uint64_t>(nChunkBytes / nStride, nHeight);
        if (!chunk.Allocate(static_cast<std::size_t>(nRowsPerRead * nStride)))
            return Refusal::kOutOfMemory;
        for (std::uint64_t nStored = 0; nStored < nHeight;) {
            const std::uint64_t nRows = std::min(nRowsPerRead, nHeight - nStored);
            if (!reader.Read(chunk.Data(), static_cast<std::size_t>(nRows * nStride)))
                return Refusal::kTruncated;
            for (std::uint64_t i = 0; i < nRows; ++i)
                unpack(chunk.Data() + i * nStride, static_cast<std::size_t>(nWidth), ImageRow(nStored + i));
            nStored += nRows;
        }
        return Refusal::kNone;
    }

    const std::uint64_t nPixelsPerRead = std::max<std::uint64_t>(1, nChunkBytes / nBytesPerPixel);
    if (!chunk.Allocate(static_cast<std::size_t>(nPixelsPerRead * nBytesPerPixel)))
        return Refusal::kOutOfMemory;
    std::uint8_t padding[4];
    for (std::uint64_t nStored = 0; nStored < nHeight; ++nStored) {
        std::uint8_t* pRow = ImageRow(nStored);
        for (std::uint64_t x = 0; x < nWidth;) {
            const std::uint64_t nPixels = std::min(nPixelsPerRead, nWidth - x);
            if (!reader.Read(chunk.Data(), static_cast<std::size_t>(nPixels * nBytesPerPixel)))
                return Refusal::kTruncated;
            unpack(chunk.Data(), static_cast<std::size_t>(nPixels), pRow + 4 * x);
            x += nPixels;
        }
        if (!reader.Read(padding, static_cast<std::size_t>(nStride - nRowBytes)))
            return Refusal::kTruncated;
    }
    return Refusal::kNone;
}

// A fourth byte that is 0 in every pixel of a file without an alpha mask is
// padding, not alpha: such an image is opaque.
void MakeOpaqueWhenFourthIsPadding(std::uint8_t* pPixels, std::uint64_t nPixels)
{
    for (std::uint64_t i = 0; i < nPixels; ++i) {
        if (pPixels[4 * i + 3] != 0)
            return;
    }
    for (std::uint64_t i = 0; i < nPixels; ++i)
        pPixels[4 * i + 3] = kNoAlpha;
}

Refusal ReadRows(ByteReader& reader, const TrueColorLayout& layout, std::uint64_t nW, std::uint64_t nH,
                 bool bTopDown, std::uint8_t* pPixels, std::size_t nChunkBytes)
{
    switch (layout.eKind) {
    case TrueColorLayout::Kind::kBgrx32:
        return ReadRowsInPlace(reader, nW, nH, bTopDown, pPixels, nChunkBytes);
    case TrueColorLayout::Kind::kBgr24:
        return StreamRows(reader, nW, nH, bTopDown, pPixels, nChunkBytes, 3, UnpackBgr24);
    case TrueColorLayout::Kind::kMasked32:
        return StreamRows(reader, nW, nH, bTopDown, pPixels, nChunkBytes, 4,
                          [&layout](const std::uint8_t* pSrc, std::size_t nPixels, std::uint8_t* pDst) {
                              UnpackMasked<4>(layout, pSrc, nPixels, pDst);
                          });
    case TrueColorLayout::Kind::kMasked16:
        return StreamRows(reader, nW, nH, bTopDown, pPixels, nChunkBytes, 2,
                          [&layout](const std::uint8_t* pSrc, std::size_t nPixels, std::uint8_t* pDst) {
                              UnpackMasked<2>(layout, pSrc, nPixels, pDst);
                          });
    }
    return Refusal::kUnsupportedFormat;
}

}  // namespace

Refusal MakeTrueColorLayout(const BmpHeader& header, TrueColorLayout* pLayout)
{
    TrueColorLayout layout;
    if (header.nBitCount == 24) {
        if (header.nCompression != kBiRgb)
            return Refusal::kUnsupportedFormat;
        *pLayout = layout;  // a layout starts as kBgr24
        return Refusal::kNone;
    }
    if (header.nBitCount == 16) {
        SixteenBitMasks masks;
        const Refusal eMasks = ChooseSixteenBitMasks(header, &masks);
        if (eMasks != Refusal::kNone)
            return eMasks;
        layout.eKind = TrueColorLayout::Kind::kMasked16;
        layout.red = MakeField(masks.nRed);
        layout.green = MakeField(masks.nGreen);
        layout.blue = MakeField(masks.nBlue);
        layout.fourth = masks.nAlpha ? MakeField(masks.nAlpha) : MakeConstantField(kNoAlpha);
        layout.bAlphaMask = masks.nAlpha != 0;
        *pLayout = layout;
        return Refusal::kNone;
    }
    if (header.nBitCount != 32)
        return Refusal::kUnsupportedDepth;
    if (header.nCompression == kBiRgb) {
        layout.eKind = TrueColorLayout::Kind::kBgrx32;
        *pLayout = layout;
        return Refusal::kNone;
    }
    // In the 64-byte OS/2 header compression 3 means Huffman coding, not masks.
    const bool bMasks = header.nCompression == kBiBitfields || header.nCompression == kBiAlphaBitfields;
    if (!bMasks || header.nInfoSize == 64)
        return Refusal::kUnsupportedFormat;

    if (!IsContiguous(header.nRedMask) || !IsContiguous(header.nGreenMask) || !IsContiguous(header.nBlueMask))
        return Refusal::kBadHeader;
    layout.red = MakeField(header.nRedMask);
    layout.green = MakeField(header.nGreenMask);
    layout.blue = MakeField(header.nBlueMask);

    // A zero alpha mask says "no alpha", as a header without one does.
    if (header.bHasAlphaMask && header.nAlphaMask != 0) {
        if (!IsContiguous(header.nAlphaMask))
            return Refusal::kBadHeader;
        layout.fourth = MakeField(header.nAlphaMask);
        layout.bAlphaMask = true;
    } else {
        // Otherwise the highest byte that no colour takes, as in a 32-bit
        // BI_RGB pixel; opaque when the colours leave no whole byte free.
        const std::uint32_t nColorBits = header.nRedMask | header.nGreenMask | header.nBlueMask;
        layout.fourth = MakeConstantField(kNoAlpha);
        for (int nByte = 3; nByte >= 0; --nByte) {
            if ((nColorBits & (0xFFu << (8 * nByte))) == 0) {
                layout.fourth = MakeField(0xFFu << (8 * nByte));
                break;
            }
        }
    }

    const bool bImageOrder = IsWholeByte(layout.blue, 0) && IsWholeByte(layout.green, 1) &&
                               IsWholeByte(layout.red, 2) && IsWholeByte(layout.fourth, 3);
    layout.eKind = bImageOrder ? TrueColorLayout::Kind::kBgrx32 : TrueColorLayout::Kind::kMasked32;
    *pLayout = layout;
    return Refusal::kNone;
}

Refusal ReadTrueColorPixels(ByteReader& reader, const TrueColorLayout& layout, std::int32_t nWidth,
                            std::int32_t nHeight, bool bTopDown, std::uint8_t* pPixels, std::size_t nChunkBytes)
{
    if (nWidth <= 0 || nHeight <= 0)
        return Refusal::kBadHeader;
    const auto nW = static_cast<std::uint64_t>(nWidth);
    const auto nH = static_cast<std::uint64_t>(nHeight);
    const Refusal eRefusal = ReadRows(reader, layout, nW, nH, bTopDown, pPixels, nChunkBytes);
    if (eRefusal == Refusal::kNone && !layout.bAlphaMask && layout.eKind != TrueColorLayout::Kind::kBgr24)
        MakeOpaqueWhenFourthIsPadding(pPixels, nW * nH);
    return eRefusal;
}

Refusal ReadTrueColorBitmap(ByteReader& reader, const BmpHeader& header, TrueColorImage* pImage)
{
    pImage->Release();
    TrueColorLayout layout;
    const Refusal eLayout = MakeTrueColorLayout(header, &layout);
    if (eLayout != Refusal::kNone)
        return eLayout;
    if (header.nWidth <= 0 || header.nHeight <= 0)
        return Refusal::kBadHeader;

    // A header that claims a huge image in a tiny file costs nothing.
    const auto nWidth = static_cast<std::uint64_t>(header.nWidth);
    const auto nHeight = static_cast<std::uint64_t>(header.nHeight);
    const Refusal eSize = CheckImageSize(ImageShape::kTrueColor, nWidth, nHeight);
    if (eSize != Refusal::kNone)
        return eSize;
    const std::uint64_t nStoredBytes = BmpRowStride(header.nWidth, header.nBitCount) * nHeight;
    if (nStoredBytes > reader.Size() - header.nPixelOffset)
        return Refusal::kTruncated;

    // A 16-bit image has alpha only where its masks give it.
    if (!pImage->Allocate(header.nWidth, header.nHeight, header.nBitCount == 32 || layout.bAlphaMask))
        return Refusal::kOutOfMemory;
    Refusal ePixels = reader.SkipTo(header.nPixelOffset) ? Refusal::kNone : Refusal::kTruncated;
    if (ePixels == Refusal::kNone)
        ePixels = ReadTrueColorPixels(reader, layout, header.nWidth, header.nHeight, header.bTopDown,
                                      pImage->pixels.Data());
    if (ePixels != Refusal::kNone)
        pImage->Release();
    return ePixels;
}

}  // namespace zandrel

// PngImageBuilder: samples scaled to 8 bits, 16 bits rounded, tRNS applied.
#include "convert/png/png_image_builder.h"

#include <cstddef>

namespace zandrel {
namespace {

// Sample nIndex of a row: packed samples count from the high bits of a byte.
unsigned SampleAt(const std::uint8_t* pRow, std::size_t nIndex, int nBits)
{
    if (nBits == 16)
        return (pRow[2 * nIndex] << 8) | pRow[2 * nIndex + 1];
    if (nBits == 8)
        return pRow[nIndex];
    const std::size_t nBit = nIndex * static_cast<std::size_t>(nBits);
    const unsigned nShift = 8 - static_cast<unsigned>(nBits) - static_cast<unsigned>(nBit & 7);
    return (pRow[nBit >> 3] >> nShift) & ((1u << nBits) - 1);
}

// A sample of any depth as 8 bits: 16-bit ones by nearest rounding, the
// short grey ones spread over 0..255.
std::uint8_t To8(unsigned nValue, int nBits)
{
    if (nBits == 16)
        return static_cast<std::uint8_t>((nValue * 255u + 32767u) / 65535u);
    return static_cast<std::uint8_t>(nValue * 255u / ((1u << nBits) - 1));
}

// 8-bit samples to image pixels; the fourth byte from the alpha sample or
// opaque. A loop of its own for each layout, as this is the common case.
template <std::size_t nChannels>
void Copy8(std::uint8_t* pOut, std::uint32_t nX0, std::uint32_t nStepX, std::uint32_t nWidth,
           const std::uint8_t* pRow, bool bTakeAlpha)
{
    constexpr std::size_t iGreen = nChannels >= 3 ? 1 : 0;
    constexpr std::size_t iBlue = nChannels >= 3 ? 2 : 0;
    const std::uint8_t nOpaque = bTakeAlpha ? 0 : 255;  // OR-ed in: 255 whatever the sample
    for (std::uint32_t x = nX0; x < nWidth; x += nStepX) {
        const std::uint8_t* p = pRow + x * nChannels;
        std::uint8_t* pPixel = pOut + 4 * std::size_t{x};
        pPixel[0] = p[iBlue];
        pPixel[1] = p[iGreen];
        pPixel[2] = p[0];
        pPixel[3] = static_cast<std::uint8_t>(p[nChannels - 1] | nOpaque);
    }
}

}  // namespace

Refusal PngImageBuilder::Begin(const PngHeader& header, DecodedImage* pImage)
{
    m_pHeader = &header;
    m_pImage = pImage;
    const std::size_t nPixels = std::size_t{header.nWidth} * header.nHeight;
    if (header.nColorType == kPngPalette) {
        IndexedImage& indexed = pImage->indexed;
        pImage->eShape = ImageShape::kIndexed;
        for (int i = 0; i < header.nPaletteCount; ++i)
            indexed.colors[i] = header.palette[i];
        indexed.nColorCount = header.nPaletteCount;
        indexed.nWidth = static_cast<int>(header.nWidth);
        indexed.nHeight = static_cast<int>(header.nHeight);
        return indexed.indices.Allocate(nPixels) ? Refusal::kNone : Refusal::kOutOfMemory;
    }
    m_bOutputAlpha = header.nColorType == kPngGreyAlpha || header.nColorType == kPngRgba || header.bHasKey;
    pImage->eShape = ImageShape::kTrueColor;
    return pImage->trueColor.Allocate(static_cast<int>(header.nWidth), static_cast<int>(header.nHeight),
                                      m_bOutputAlpha)
               ? Refusal::kNone
               : Refusal::kOutOfMemory;
}

bool PngImageBuilder::SetLayout(const PngPixelLayout& layout)
{
    // The decoders' layouts are all well-formed; a palette image must come
    // as indices and any other as samples.
    if (layout.bIndexed != (m_pHeader->nColorType == kPngPalette))
        return false;
    m_layout = layout;
    // The tRNS colour is compared with the samples as stored; a decoder that
    // changed their depth has given the alpha itself.
    m_bApplyKey = m_pHeader->bHasKey && (layout.nChannels == 1 || layout.nChannels == 3) &&
                  layout.nBits == m_pHeader->nBitDepth;
    return true;
}

void PngImageBuilder::TakeRow(std::uint32_t nY, std::uint32_t nX0, std::uint32_t nStepX, const std::uint8_t* pRow)
{
    if (nY >= m_pHeader->nHeight || nStepX == 0)
        return;
    const std::size_t nWidth = m_pHeader->nWidth;
    if (m_layout.bIndexed)
        TakeIndices(m_pImage->indexed.indices.Data() + nY * nWidth, nX0, nStepX, pRow);
    else
        TakeColors(m_pImage->trueColor.pixels.Data() + nY * 4 * nWidth, nX0, nStepX, pRow);
}

// An index past the palette is kept as it stands, as for bitmaps.
void PngImageBuilder::TakeIndices(std::uint8_t* pOut, std::uint32_t nX0, std::uint32_t nStepX,
                                  const std::uint8_t* pRow) const
{
    for (std::uint32_t x = nX0; x < m_pHeader->nWidth; x += nStepX)
        pOut[x] = static_cast<std::uint8_t>(SampleAt(pRow, x, m_layout.nBits));
}

// Image pixels are blue, green, red and alpha (0xFF without alpha).
void PngImageBuilder::TakeColors(std::uint8_t* pOut, std::uint32_t nX0, std::uint32_t nStepX,
                                 const std::uint8_t* pRow) const
{
    const std::size_t nChannels = static_cast<std::size_t>(m_layout.nChannels);
    const bool bColor = nChannels >= 3;
    const std::size_t iGreen = bColor ? 1 : 0;
    const std::size_t iBlue = bColor ? 2 : 0;
    const bool bSourceAlpha = nChannels == 2 || nChannels == 4;
    const bool bTakeAlpha = m_bOutputAlpha && bSourceAlpha;
    const bool bKey = m_bApplyKey;
    const std::uint16_t* pKey = m_pHeader->key;
    const std::uint32_t nWidth = m_pHeader->nWidth;

    if (m_layout.nBits == 8) {
        switch (nChannels) {
        case 1: Copy8<1>(pOut, nX0, nStepX, nWidth, pRow, bTakeAlpha); break;
        case 2: Copy8<2>(pOut, nX0, nStepX, nWidth, pRow, bTakeAlpha); break;
        case 3: Copy8<3>(pOut, nX0, nStepX, nWidth, pRow, bTakeAlpha); break;
        default: Copy8<4>(pOut, nX0, nStepX, nWidth, pRow, bTakeAlpha); break;
        }
        for (std::uint32_t x = nX0; bKey && x < nWidth; x += nStepX) {
            const std::uint8_t* p = pRow + x * nChannels;
            if (p[0] == pKey[0] && p[iGreen] == pKey[iGreen] && p[iBlue] == pKey[iBlue])
                pOut[4 * std::size_t{x} + 3] = 0;
        }
        return;
    }
    const int nBits = m_layout.nBits;
    for (std::uint32_t x = nX0; x < nWidth; x += nStepX) {
        const std::size_t nBase = x * nChannels;
        const unsigned nRed = SampleAt(pRow, nBase, nBits);
        const unsigned nGreen = SampleAt(pRow, nBase + iGreen, nBits);
        const unsigned nBlue = SampleAt(pRow, nBase + iBlue, nBits);
        std::uint8_t* pPixel = pOut + 4 * std::size_t{x};
        pPixel[0] = To8(nBlue, nBits);
        pPixel[1] = To8(nGreen, nBits);
        pPixel[2] = To8(nRed, nBits);
        pPixel[3] = bTakeAlpha ? To8(SampleAt(pRow, nBase + nChannels - 1, nBits), nBits) : 255;
        if (bKey && nRed == pKey[0] && nGreen == pKey[iGreen] && nBlue == pKey[iBlue])
            pPixel[3] = 0;
    }
}

}  // namespace zandrel

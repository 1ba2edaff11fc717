// EncodeTexture: rows encoded one at a time and put in their stored place.
#include "convert/texture/encoder.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "convert/texture/dxt/dxt_encoder.h"
#include "convert/texture/mip_chain.h"
#include "convert/texture/shown_pixels.h"

namespace zandrel {

EffectivePalette MakeEffectivePalette(const IndexedImage& indexed, const TextureOptions& options)
{
    EffectivePalette palette;
    for (int i = 0; i < 256; ++i) {
        const PaletteColor& color = indexed.colors[i];
        const bool bKeyed = options.bKey && color.nRed == ((options.nKeyRgb >> 16) & 0xFF) &&
                            color.nGreen == ((options.nKeyRgb >> 8) & 0xFF) && color.nBlue == (options.nKeyRgb & 0xFF);
        if (i >= indexed.nColorCount || i == options.nTransparentIndex || bKeyed) {
            palette.bCleared[i] = true;
            continue;
        }
        palette.bgra[i][0] = color.nBlue;
        palette.bgra[i][1] = color.nGreen;
        palette.bgra[i][2] = color.nRed;
        palette.bgra[i][3] = color.nAlpha;
    }
    return palette;
}

bool BuildClut(const EffectivePalette& palette, int nColors, int nNeeded, TextureFormat eClutFormat,
               int nAlphaThreshold, std::vector<std::uint8_t>* pClut, int* pnEntries)
{
    nColors = std::clamp(nColors, 0, 256);
    const int nEntryBytes = BitsPerPixel(eClutFormat) / 8;
    const int nBlockEntries = 32 / nEntryBytes;
    const int nEntries = std::max(1, (std::max(nColors, nNeeded) + nBlockEntries - 1) / nBlockEntries) * nBlockEntries;
    try {
        pClut->assign(static_cast<std::size_t>(nEntries * nEntryBytes), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    PixelRule rule;
    rule.eFormat = eClutFormat;
    rule.nAlphaThreshold = nAlphaThreshold;
    for (int i = 0; i < nColors; ++i) {
        if (!palette.bCleared[i])
            PackPixels(rule, palette.bgra[i], 1, 0, &(*pClut)[static_cast<std::size_t>(i * nEntryBytes)]);
    }
    *pnEntries = nEntries;
    return true;
}

int HighestIndexUsed(const IndexedImage& indexed)
{
    const std::size_t nCount = static_cast<std::size_t>(indexed.nWidth) * static_cast<std::size_t>(indexed.nHeight);
    const std::uint8_t* pIndices = indexed.indices.Data();
    std::uint8_t nHighest = 0;
    for (std::size_t i = 0; i < nCount; ++i)
        nHighest = std::max(nHighest, pIndices[i]);
    return nCount ? nHighest : -1;
}

namespace {

PixelRule MakeRule(TextureFormat eFormat, const TextureOptions& options)
{
    PixelRule rule;
    rule.eFormat = eFormat;
    rule.nAlphaThreshold = options.nAlphaThreshold;
    rule.bDither = options.bDither;
    rule.bKey = options.bKey;
    rule.key[0] = static_cast<std::uint8_t>(options.nKeyRgb);
    rule.key[1] = static_cast<std::uint8_t>(options.nKeyRgb >> 8);
    rule.key[2] = static_cast<std::uint8_t>(options.nKeyRgb >> 16);
    return rule;
}

// Turns one image row into one stored row of texels in pRow; the bytes after
// the image's texels are left as they are (zero).
class RowEncoder {
public:
    RowEncoder(const DecodedImage& image, const TextureOptions& options)
        : m_image(image), m_eFormat(options.eFormat), m_rule(MakeRule(options.eFormat, options))
    {
        if (image.eShape == ImageShape::kIndexed) {
            m_palette = MakeEffectivePalette(image.indexed, options);
            m_rule.bKey = false;  // already applied to the palette
        }
    }

    // Palette images going to a direct format are expanded a row at a time.
    bool Prepare(int nWidth)
    {
        if (m_image.eShape == ImageShape::kIndexed && !IsIndexFormat(m_eFormat)) {
            try {
                m_expanded.resize(static_cast<std::size_t>(nWidth) * 4);
            } catch (const std::bad_alloc&) {
                return false;
            }
        }
        return true;
    }

    void Encode(int y, std::uint8_t* pRow)
    {
        if (m_image.eShape == ImageShape::kTrueColor) {
            const TrueColorImage& trueColor = m_image.trueColor;
            PackPixels(m_rule, trueColor.pixels.Data() + static_cast<std::size_t>(y) * 4 * trueColor.nWidth,
                       trueColor.nWidth, y, pRow);
            return;
        }
        const IndexedImage& indexed = m_image.indexed;
        const std::uint8_t* pIndices = indexed.indices.Data() + static_cast<std::size_t>(y) * indexed.nWidth;
        const int nWidth = indexed.nWidth;
        if (m_eFormat == TextureFormat::kT8) {
            std::memcpy(pRow, pIndices, static_cast<std::size_t>(nWidth));
        } else if (m_eFormat == TextureFormat::kT4) {
            // The even (left) texel in the low nibble.
            for (int x = 0; x < nWidth; x += 2) {
                const unsigned nRight = x + 1 < nWidth ? pIndices[x + 1] : 0u;
                pRow[x / 2] = static_cast<std::uint8_t>(pIndices[x] | nRight << 4);
            }
        } else {
            for (int x = 0; x < nWidth; ++x)
                std::memcpy(&m_expanded[static_cast<std::size_t>(x) * 4], m_palette.bgra[pIndices[x]], 4);
            PackPixels(m_rule, m_expanded.data(), nWidth, y, pRow);
            // Dithering or a zero alpha threshold could colour an entry that
            // must stay transparent black.
            const int nTexelBytes = BitsPerPixel(m_eFormat) / 8;
            for (int x = 0; x < nWidth; ++x) {
                if (m_palette.bCleared[pIndices[x]])
                    std::memset(pRow + x * nTexelBytes, 0, static_cast<std::size_t>(nTexelBytes));
            }
        }
    }

    // The CLUT of an index format: entries rounded like texels, padded with
    // zero entries to the larger of the colour count and the highest index
    // used plus one, then to whole 32-byte blocks.
    bool BuildOwnClut(TextureFormat eClutFormat, const TextureOptions& options, int nHighestIndex,
                      EncodedTexture* pTexture)
    {
        const int nColorCount = std::clamp(m_image.indexed.nColorCount, 0, 256);
        if (!BuildClut(m_palette, nColorCount, nHighestIndex + 1, eClutFormat, options.nAlphaThreshold,
                       &pTexture->clut, &pTexture->nClutEntries))
            return false;
        pTexture->eClutFormat = eClutFormat;
        pTexture->nClutColors = std::max(nColorCount, nHighestIndex + 1);
        return true;
    }

private:
    const DecodedImage& m_image;
    TextureFormat m_eFormat;
    PixelRule m_rule;
    EffectivePalette m_palette;
    std::vector<std::uint8_t> m_expanded;
};

// DXT textures: blocks of the image (or with --pow2 of the padded texture),
// in rows, never swizzled.
Refusal EncodeDxtTexture(const DecodedImage& image, const TextureOptions& options, const TextureLayout& layout,
                         EncodedTexture* pTexture)
{
    const std::int64_t nWidth = options.bPow2 ? layout.nTextureWidth : layout.nWidth;
    const std::int64_t nHeight = options.bPow2 ? layout.nTextureHeight : layout.nHeight;
    DxtLayout dxt;
    if (!ComputeDxtLayout(static_cast<DxtFormat>(layout.eFormat), nWidth, nHeight, kMaxTextureBytes, &dxt) ||
        dxt.nBytes != layout.nBytes)
        return Refusal::kTextureTooLarge;
    std::vector<std::uint8_t> bgra;
    try {
        bgra.resize(static_cast<std::size_t>(nWidth * nHeight * 4));
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    if (!PaddedShownBgra(image, options, nWidth, nHeight, bgra.data()) ||
        !pTexture->texels.Allocate(static_cast<std::size_t>(layout.nBytes)))
        return Refusal::kOutOfMemory;
    EncodeDxt(dxt, bgra.data(), options.nAlphaThreshold, pTexture->texels.Data());
    pTexture->layout = layout;
    return Refusal::kNone;
}

// Lays out and encodes the texels; with bOwnClut, the CLUT of the palette image too.
Refusal EncodeLaidOut(const DecodedImage& image, const TextureOptions& options, bool bOwnClut, int nHighestIndex,
                      EncodedTexture* pTexture, int* pDetail)
{
    const bool bPalette = image.eShape == ImageShape::kIndexed;
    const int nWidth = bPalette ? image.indexed.nWidth : image.trueColor.nWidth;
    const int nHeight = bPalette ? image.indexed.nHeight : image.trueColor.nHeight;
    TextureLayout layout;
    if (!ComputeTextureLayout(options.eFormat, nWidth, nHeight, options.bPow2, options.bSwizzle, &layout))
        return Refusal::kTextureTooLarge;
    if (layout.nBufferWidth > kGeMaxBufferWidth) {
        *pDetail = static_cast<int>(layout.nBufferWidth);
        return Refusal::kBufferTooWide;
    }
    if (IsDxtFormat(options.eFormat))
        return EncodeDxtTexture(image, options, layout, pTexture);

    RowEncoder encoder(image, options);
    std::vector<std::uint8_t> row;
    try {
        row.assign(static_cast<std::size_t>(layout.nRowBytes), 0);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    if (!encoder.Prepare(nWidth) || !pTexture->texels.Allocate(static_cast<std::size_t>(layout.nBytes)))
        return Refusal::kOutOfMemory;
    if (bOwnClut && !encoder.BuildOwnClut(options.eClutFormat, options, nHighestIndex, pTexture))
        return Refusal::kOutOfMemory;

    // Each stored row is made once in `row` and copied to its place: whole
    // when linear, in 16-byte pieces when swizzled.
    std::uint8_t* pTexels = pTexture->texels.Data();
    for (std::int64_t y = 0; y < layout.nStoredRows; ++y) {
        if (y < nHeight)
            encoder.Encode(static_cast<int>(y), row.data());
        else if (y == nHeight)
            std::fill(row.begin(), row.end(), std::uint8_t{0});
        if (!layout.bSwizzled) {
            std::memcpy(pTexels + y * layout.nRowBytes, row.data(), row.size());
            continue;
        }
        for (std::int64_t x = 0; x < layout.nRowBytes; x += 16)
            std::memcpy(pTexels + StoredOffset(layout, x, y), row.data() + x, 16);
    }
    pTexture->layout = layout;
    return Refusal::kNone;
}

}  // namespace

Refusal EncodeTexture(const DecodedImage& image, const TextureOptions& options, EncodedTexture* pTexture,
                      int* pDetail)
{
    const bool bPalette = image.eShape == ImageShape::kIndexed;
    if (!bPalette && options.nTransparentIndex >= 0)
        return Refusal::kTransparentIndexNeedsPalette;
    if (!bPalette && IsIndexFormat(options.eFormat))
        return Refusal::kTextureNeedsPalette;

    int nHighestIndex = -1;
    if (bPalette && IsIndexFormat(options.eFormat)) {
        nHighestIndex = HighestIndexUsed(image.indexed);
        if (options.eFormat == TextureFormat::kT4 && nHighestIndex >= 16) {
            *pDetail = nHighestIndex;
            return Refusal::kTextureIndexTooLarge;
        }
    }
    const Refusal eRefusal =
        EncodeLaidOut(image, options, IsIndexFormat(options.eFormat), nHighestIndex, pTexture, pDetail);
    return eRefusal != Refusal::kNone ? eRefusal : EncodeMipLevels(image, options, nullptr, pTexture);
}

Refusal EncodeIndexTexels(const DecodedImage& indices, const TextureOptions& options, EncodedTexture* pTexture,
                          int* pDetail)
{
    if (!IsIndexFormat(options.eFormat) || indices.eShape != ImageShape::kIndexed)
        return Refusal::kTextureNeedsPalette;
    return EncodeLaidOut(indices, options, false, -1, pTexture, pDetail);
}

}  // namespace zandrel

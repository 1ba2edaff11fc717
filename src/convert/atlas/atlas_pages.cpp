// EncodeAtlasPages: composition, the CLUT chosen, then the texture encoder a page.
#include "convert/atlas/atlas_pages.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#include "convert/atlas/atlas_compositor.h"
#include "convert/atlas/atlas_palette.h"
#include "convert/texture/palette_texture.h"

namespace zandrel {
namespace {

bool ToTrueColor(const SpriteImage& page, DecodedImage* pImage)
{
    pImage->eShape = ImageShape::kTrueColor;
    if (!pImage->trueColor.Allocate(page.nWidth, page.nHeight, true))
        return false;
    std::uint8_t* pBgra = pImage->trueColor.pixels.Data();
    for (const std::uint32_t nTexel : page.texels) {
        *pBgra++ = static_cast<std::uint8_t>(nTexel >> 16);
        *pBgra++ = static_cast<std::uint8_t>(nTexel >> 8);
        *pBgra++ = static_cast<std::uint8_t>(nTexel);
        *pBgra++ = static_cast<std::uint8_t>(nTexel >> 24);
    }
    return true;
}

bool ToIndexed(const PaletteColor* pColors, int nColorCount, int nWidth, int nHeight,
               const std::vector<std::uint8_t>& indices, DecodedImage* pImage)
{
    pImage->eShape = ImageShape::kIndexed;
    IndexedImage& indexed = pImage->indexed;
    std::copy(pColors, pColors + 256, indexed.colors);
    indexed.nColorCount = nColorCount;
    indexed.nWidth = nWidth;
    indexed.nHeight = nHeight;
    if (!indexed.indices.Allocate(indices.size()))
        return false;
    std::memcpy(indexed.indices.Data(), indices.data(), indices.size());
    return true;
}

// The entry the padding of a kept palette takes, or -1 when the palette
// cannot be kept: an index the format does not hold, or no entry left that
// shows transparent.
int PaddingIndex(const AtlasSprites& sprites, const TextureOptions& options)
{
    if (sprites.indices.empty())
        return -1;
    const int nLimit = PaletteColorLimit(options);
    for (const Sprite& sprite : sprites.indices) {
        for (const std::uint32_t nTexel : sprite.image.texels) {
            if (int(nTexel & 0xFF) >= nLimit)
                return -1;
        }
    }
    for (int i = 0; i < nLimit; ++i) {
        const bool bKeyed = options.bKey && (sprites.palette[i].nRed << 16 | sprites.palette[i].nGreen << 8 |
                                             sprites.palette[i].nBlue) == int(options.nKeyRgb);
        if (i >= sprites.nColorCount || i == options.nTransparentIndex || bKeyed || sprites.palette[i].nAlpha == 0)
            return i;
    }
    return -1;
}

Refusal Encode(const AtlasSprites& sprites, const PackedAtlas& atlas, const TextureOptions& options,
               std::vector<EncodedTexture>* pPages, int* pDetail)
{
    const int nPages = int(atlas.pages.size());
    std::vector<SpriteImage> colour(atlas.pages.size());
    for (int i = 0; i < nPages; ++i) {
        if (!ComposeAtlasPage(atlas, sprites.colour, i, &colour[std::size_t(i)]))
            return Refusal::kOutOfMemory;
    }
    TextureOptions pageOptions = options;
    pageOptions.bPow2 = true;
    const int nPadding = IsIndexFormat(options.eFormat) ? PaddingIndex(sprites, options) : -1;
    IndexedPages indexed;
    if (nPadding >= 0) {
        std::copy(sprites.palette, sprites.palette + 256, indexed.colors);
        indexed.nColorCount = sprites.nColorCount;
        for (int i = 0; i < nPages; ++i) {
            SpriteImage page;
            if (!ComposeAtlasPage(atlas, sprites.indices, i, &page))
                return Refusal::kOutOfMemory;
            std::vector<std::uint8_t> indices(page.texels.size());
            std::transform(page.texels.begin(), page.texels.end(), indices.begin(), [&](std::uint32_t n) {
                return static_cast<std::uint8_t>(n ? n : std::uint32_t(nPadding));
            });
            indexed.indices.push_back(std::move(indices));
        }
    } else {
        // The colour texels carry the key and the transparent index already.
        pageOptions.bKey = false;
        pageOptions.nTransparentIndex = -1;
        if (IsIndexFormat(options.eFormat)) {
            const Refusal eRefusal = QuantizeAtlasPages(sprites.colour, colour, options, &indexed);
            if (eRefusal != Refusal::kNone)
                return eRefusal;
        }
    }
    std::vector<EncodedTexture> pages(atlas.pages.size());
    for (int i = 0; i < nPages; ++i) {
        const SpriteImage& page = colour[std::size_t(i)];
        DecodedImage image;
        const bool bMade = IsIndexFormat(options.eFormat)
                               ? ToIndexed(indexed.colors, indexed.nColorCount, page.nWidth, page.nHeight,
                                           indexed.indices[std::size_t(i)], &image)
                               : ToTrueColor(page, &image);
        if (!bMade)
            return Refusal::kOutOfMemory;
        const Refusal eRefusal = EncodeTexture(image, pageOptions, &pages[std::size_t(i)], pDetail);
        if (eRefusal != Refusal::kNone)
            return eRefusal;
    }
    *pPages = std::move(pages);
    return Refusal::kNone;
}

}  // namespace

Refusal EncodeAtlasPages(const AtlasSprites& sprites, const PackedAtlas& atlas, const TextureOptions& options,
                         std::vector<EncodedTexture>* pPages, int* pDetail)
{
    try {
        return Encode(sprites, atlas, options, pPages, pDetail);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
}

}  // namespace zandrel

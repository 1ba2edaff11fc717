// ColourTexels, IndexTexels, SamePalette: decoded pixels in the atlas's texel order.
#include "convert/atlas/sprite_source.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

namespace zandrel {
namespace {

std::uint32_t Texel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a)
{
    return r | std::uint32_t{g} << 8 | std::uint32_t{b} << 16 | std::uint32_t{a} << 24;
}

bool IsKey(const TextureOptions& options, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return options.bKey && Texel(b, g, r, 0) == options.nKeyRgb;
}

bool Allocate(int nWidth, int nHeight, SpriteImage* pTexels)
{
    try {
        *pTexels = MakeSpriteImage(nWidth, nHeight);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace

bool ColourTexels(const DecodedImage& image, const TextureOptions& options, SpriteImage* pTexels)
{
    if (image.eShape == ImageShape::kIndexed) {
        const IndexedImage& indexed = image.indexed;
        std::uint32_t palette[256] = {};
        for (int i = 0; i < indexed.nColorCount && i < 256; ++i) {
            const PaletteColor& c = indexed.colors[i];
            if (i != options.nTransparentIndex && !IsKey(options, c.nRed, c.nGreen, c.nBlue))
                palette[i] = Texel(c.nRed, c.nGreen, c.nBlue, c.nAlpha);
        }
        if (!Allocate(indexed.nWidth, indexed.nHeight, pTexels))
            return false;
        const std::uint8_t* pIndices = indexed.indices.Data();
        for (std::size_t i = 0; i < pTexels->texels.size(); ++i)
            pTexels->texels[i] = palette[pIndices[i]];
        return true;
    }
    const TrueColorImage& trueColor = image.trueColor;
    if (!Allocate(trueColor.nWidth, trueColor.nHeight, pTexels))
        return false;
    const std::uint8_t* pBgra = trueColor.pixels.Data();
    for (std::size_t i = 0; i < pTexels->texels.size(); ++i, pBgra += 4) {
        if (!IsKey(options, pBgra[2], pBgra[1], pBgra[0]))
            pTexels->texels[i] = Texel(pBgra[2], pBgra[1], pBgra[0], pBgra[3]);
    }
    return true;
}

bool IndexTexels(const IndexedImage& image, const SpriteImage& colour, SpriteImage* pTexels)
{
    if (!Allocate(image.nWidth, image.nHeight, pTexels) || pTexels->texels.size() != colour.texels.size())
        return false;
    const std::uint8_t* pIndices = image.indices.Data();
    for (std::size_t i = 0; i < pTexels->texels.size(); ++i)
        pTexels->texels[i] = pIndices[i] | (colour.texels[i] & 0xFF000000u);
    return true;
}

bool SamePalette(const IndexedImage& a, const IndexedImage& b)
{
    if (a.nColorCount != b.nColorCount)
        return false;
    for (int i = 0; i < a.nColorCount && i < 256; ++i) {
        const PaletteColor &x = a.colors[i], &y = b.colors[i];
        if (x.nRed != y.nRed || x.nGreen != y.nGreen || x.nBlue != y.nBlue || x.nAlpha != y.nAlpha)
            return false;
    }
    return true;
}

}  // namespace zandrel

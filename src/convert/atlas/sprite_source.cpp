// ColourTexels, IndexTexels: decoded pixels in the atlas's texel order.
#include "convert/atlas/sprite_source.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

#include "convert/texture/shown_pixels.h"

namespace zandrel {
namespace {

std::uint32_t Texel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a)
{
    return r | std::uint32_t{g} << 8 | std::uint32_t{b} << 16 | std::uint32_t{a} << 24;
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
    LargeBuffer buffer;
    const std::uint8_t* pBgra = ShownBgra(image, options, &buffer);
    if (!pBgra || !Allocate(image.Width(), image.Height(), pTexels))
        return false;
    for (std::size_t i = 0; i < pTexels->texels.size(); ++i, pBgra += 4)
        pTexels->texels[i] = Texel(pBgra[2], pBgra[1], pBgra[0], pBgra[3]);
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

}  // namespace zandrel

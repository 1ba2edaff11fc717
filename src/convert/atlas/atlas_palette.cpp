// QuantizeAtlasPages: histogram over the sprites, one palette, a remap per page.
#include "convert/atlas/atlas_palette.h"

#include <cstddef>
#include <new>
#include <utility>

#include "convert/quantize/quantize.h"
#include "convert/quantize/remap.h"
#include "convert/texture/palette_texture.h"

namespace zandrel {
namespace {

// The texels as R, G, B, A bytes, whatever the host's byte order.
std::vector<std::uint8_t> RgbaBytes(const SpriteImage& image)
{
    std::vector<std::uint8_t> bytes(image.texels.size() * 4);
    for (std::size_t i = 0; i < image.texels.size(); ++i) {
        for (int n = 0; n < 4; ++n)
            bytes[i * 4 + std::size_t(n)] = static_cast<std::uint8_t>(image.texels[i] >> (8 * n));
    }
    return bytes;
}

quantize::PixelView View(const std::vector<std::uint8_t>& bytes, int nWidth, int nHeight)
{
    return quantize::PixelView{bytes.data(), nWidth, nHeight, std::size_t(nWidth) * 4, quantize::ChannelOrder::kRgba};
}

Refusal FromStatus(quantize::QuantizeStatus eStatus)
{
    switch (eStatus) {
    case quantize::QuantizeStatus::kDone: return Refusal::kNone;
    case quantize::QuantizeStatus::kTooManyPixels: return Refusal::kTooLarge;
    default: return Refusal::kOutOfMemory;
    }
}

Refusal Quantize(const std::vector<Sprite>& sprites, const std::vector<SpriteImage>& pages,
                 const TextureOptions& options, IndexedPages* pResult)
{
    quantize::CColorHistogram histogram(quantize::ClutRule{options.eClutFormat, options.nAlphaThreshold});
    const std::vector<std::uint8_t> transparent(4, 0);
    quantize::QuantizeStatus eStatus = histogram.Add(View(transparent, 1, 1));
    for (std::size_t i = 0; i < sprites.size() && eStatus == quantize::QuantizeStatus::kDone; ++i) {
        const SpriteImage& image = sprites[i].image;
        eStatus = histogram.Add(View(RgbaBytes(image), image.nWidth, image.nHeight));
    }
    quantize::Palette palette;
    quantize::QuantizeOptions quantizeOptions;
    quantizeOptions.nMaxColors = PaletteColorLimit(options);
    if (eStatus == quantize::QuantizeStatus::kDone)
        eStatus = quantize::Quantize(histogram, quantizeOptions, &palette);
    if (eStatus != quantize::QuantizeStatus::kDone)
        return FromStatus(eStatus);
    pResult->nColorCount = palette.nCount;
    for (int i = 0; i < palette.nCount; ++i) {
        const quantize::Rgba8 entry = palette.entries[i];
        pResult->colors[i] = PaletteColor{entry.r, entry.g, entry.b, entry.a};
    }
    for (const SpriteImage& page : pages) {
        std::vector<std::uint8_t> indices(page.texels.size());
        eStatus = quantize::Remap(View(RgbaBytes(page), page.nWidth, page.nHeight), palette, options.bDither, indices.data(),
                                  indices.size());
        if (eStatus != quantize::QuantizeStatus::kDone)
            return FromStatus(eStatus);
        pResult->indices.push_back(std::move(indices));
    }
    return Refusal::kNone;
}

}  // namespace

Refusal QuantizeAtlasPages(const std::vector<Sprite>& sprites, const std::vector<SpriteImage>& pages,
                           const TextureOptions& options, IndexedPages* pResult)
{
    try {
        return Quantize(sprites, pages, options, pResult);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
}

}  // namespace zandrel

// ShownBgra: palette lookup and the key, once for every texture path; and
// the same padded to a texture's sides.
#include "convert/texture/shown_pixels.h"

#include <cstddef>
#include <cstring>
#include <limits>

#include "convert/texture/encoder.h"

namespace zandrel {

const std::uint8_t* ShownBgra(const DecodedImage& image, const TextureOptions& options, LargeBuffer* pBuffer)
{
    if (image.eShape == ImageShape::kTrueColor && !options.bKey)
        return image.trueColor.pixels.Data();
    const std::size_t nPixels = static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
    if (nPixels > std::numeric_limits<std::size_t>::max() / 4 || !pBuffer->Allocate(nPixels * 4))
        return nullptr;
    std::uint8_t* pOut = pBuffer->Data();
    if (image.eShape == ImageShape::kIndexed) {
        const EffectivePalette palette = MakeEffectivePalette(image.indexed, options);
        const std::uint8_t* pIndices = image.indexed.indices.Data();
        for (std::size_t i = 0; i < nPixels; ++i)
            std::memcpy(pOut + 4 * i, palette.bgra[pIndices[i]], 4);
        return pOut;
    }
    const std::uint8_t key[3] = {static_cast<std::uint8_t>(options.nKeyRgb), static_cast<std::uint8_t>(options.nKeyRgb >> 8),
                                 static_cast<std::uint8_t>(options.nKeyRgb >> 16)};
    const std::uint8_t* pIn = image.trueColor.pixels.Data();
    for (std::size_t i = 0; i < nPixels; ++i) {
        if (std::memcmp(pIn + 4 * i, key, 3) == 0)
            std::memset(pOut + 4 * i, 0, 4);
        else
            std::memcpy(pOut + 4 * i, pIn + 4 * i, 4);
    }
    return pOut;
}

bool PaddedShownBgra(const DecodedImage& image, const TextureOptions& options, std::int64_t nWidth,
                     std::int64_t nHeight, std::uint8_t* pOut)
{
    LargeBuffer buffer;
    const std::uint8_t* pShown = ShownBgra(image, options, &buffer);
    if (!pShown)
        return false;
    const std::size_t nRowBytes = static_cast<std::size_t>(image.Width()) * 4;
    const std::size_t nOutRowBytes = static_cast<std::size_t>(nWidth) * 4;
    std::memset(pOut, 0, nOutRowBytes * static_cast<std::size_t>(nHeight));
    for (std::int64_t y = 0; y < image.Height(); ++y)
        std::memcpy(pOut + static_cast<std::size_t>(y) * nOutRowBytes, pShown + static_cast<std::size_t>(y) * nRowBytes,
                    nRowBytes);
    return true;
}

}  // namespace zandrel

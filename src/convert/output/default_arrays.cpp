// Packing for the default output: surface pixels and palette entries to Color16.
#include "convert/output/default_arrays.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zandrel {
namespace {

// Red, green and blue of one little-endian image pixel, each cut to its
// top five bits and moved into place in a single step.
inline Color16 PackPixel(std::uint32_t nPixel)
{
    return static_cast<Color16>(((nPixel >> 19) & 0x001F) | ((nPixel >> 6) & 0x03E0) | ((nPixel << 7) & 0x7C00));
}

// Packs nPixels image pixels (bytes blue, green, red, fourth) into colour
// words, and their fourth bytes into pAlpha unless it is null.
void PackTrueColorPixels(const std::uint8_t* pPixels, std::size_t nPixels, Color16* pWords, std::uint8_t* pAlpha)
{
    if constexpr (std::endian::native == std::endian::little) {
        // Whole 32-bit loads: the compiler turns these loops into vector code.
        if (pAlpha) {
            for (std::size_t i = 0; i < nPixels; ++i) {
                std::uint32_t nPixel;
                std::memcpy(&nPixel, pPixels + 4 * i, 4);
                pWords[i] = PackPixel(nPixel);
                pAlpha[i] = static_cast<std::uint8_t>(nPixel >> 24);
            }
        } else {
            for (std::size_t i = 0; i < nPixels; ++i) {
                std::uint32_t nPixel;
                std::memcpy(&nPixel, pPixels + 4 * i, 4);
                pWords[i] = PackPixel(nPixel);
            }
        }
    } else {
        for (std::size_t i = 0; i < nPixels; ++i) {
            const std::uint8_t* p = pPixels + 4 * i;
            pWords[i] = PackColor16(p[2], p[1], p[0]);
            if (pAlpha)
                pAlpha[i] = p[3];
        }
    }
}

}  // namespace

Refusal BuildTrueColorArrays(const TrueColorImage& image, LargeBuffer* pWords, LargeBuffer* pAlpha)
{
    pWords->Release();
    pAlpha->Release();
    if (!image.pixels.Data() || image.nWidth <= 0 || image.nHeight <= 0)
        return Refusal::kBadHeader;

    // The image's rows lie back to back, so a single index walks the pixels
    // top row first, left to right.
    const std::size_t nPixels = static_cast<std::size_t>(image.nWidth) * static_cast<std::size_t>(image.nHeight);
    if (!pWords->Allocate(nPixels * sizeof(Color16)))
        return Refusal::kOutOfMemory;
    if (image.bAlpha && !pAlpha->Allocate(nPixels)) {
        pWords->Release();
        return Refusal::kOutOfMemory;
    }
    PackTrueColorPixels(image.pixels.Data(), nPixels, pWords->As<Color16>(), image.bAlpha ? pAlpha->Data() : nullptr);
    return Refusal::kNone;
}

void PackPalette(const IndexedImage& image, Color16 (&palette)[256])
{
    for (int i = 0; i < 256; ++i) {
        const PaletteColor& color = image.colors[i];
        palette[i] = PackColor16(color.nRed, color.nGreen, color.nBlue);
    }
}

}  // namespace zandrel

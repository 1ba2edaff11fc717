// The pixel formats of the PSP's graphics engine (GE) and how 8-bit channels
// are rounded into them. Every format is little-endian with red in the low bits.
#pragma once

#include <cstdint>
#include <string_view>

namespace zandrel {

// Values are the GE's own format ids.
enum class TextureFormat : int {
    k5650 = 0,
    k5551 = 1,
    k4444 = 2,
    k8888 = 3,
    kT4 = 4,
    kT8 = 5,
    kDxt1 = 8,  // 4 x 4 blocks, never swizzled (convert/texture/dxt/)
    kDxt3 = 9,
    kDxt5 = 10,
};

// "5650", "5551", "4444", "8888", "t4", "t8", "dxt1", "dxt3", "dxt5"; false
// for anything else.
bool ParseTextureFormat(std::string_view text, TextureFormat* pFormat);
const char* TextureFormatName(TextureFormat eFormat);

// DXT1 counts 4 bits a texel, DXT3 and DXT5 8, as their blocks average.
int BitsPerPixel(TextureFormat eFormat);
inline bool IsIndexFormat(TextureFormat eFormat)
{
    return eFormat == TextureFormat::kT4 || eFormat == TextureFormat::kT8;
}
inline bool IsDxtFormat(TextureFormat eFormat)
{
    return eFormat == TextureFormat::kDxt1 || eFormat == TextureFormat::kDxt3 || eFormat == TextureFormat::kDxt5;
}

// How direct-colour texels are made from blue, green, red, alpha pixels.
struct PixelRule {
    TextureFormat eFormat = TextureFormat::k8888;
    int nAlphaThreshold = 128;  // 5551: the bit is set when alpha >= this
    bool bDither = false;       // 16-bit formats only; never on alpha
    bool bKey = false;          // pixels of exactly this RGB become all zero
    std::uint8_t key[3] = {};   // blue, green, red
};

// Packs n pixels (4 bytes each: blue, green, red, alpha) of row y into texels,
// stored little-endian at pOut (2 or 4 bytes each). Keyed pixels are written
// as 0.
void PackPixels(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut);

}  // namespace zandrel

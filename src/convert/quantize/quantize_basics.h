// The plain values the colour quantiser takes and gives: an RGBA pixel, a view
// of a caller's image, the CLUT format colours are judged in, and the status
// of a call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/pixel_format.h"

namespace zandrel::quantize {

struct Rgba8 {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Rgba8&, const Rgba8&) = default;
};

// Red in the low 8 bits, alpha in the high 8.
inline std::uint32_t Pack(Rgba8 color)
{
    return color.r | std::uint32_t{color.g} << 8 | std::uint32_t{color.b} << 16 | std::uint32_t{color.a} << 24;
}
inline Rgba8 Unpack(std::uint32_t nPacked)
{
    return {static_cast<std::uint8_t>(nPacked), static_cast<std::uint8_t>(nPacked >> 8),
            static_cast<std::uint8_t>(nPacked >> 16), static_cast<std::uint8_t>(nPacked >> 24)};
}

// The byte order of a caller's 4-byte pixels: the engine's surfaces are blue,
// green, red, alpha.
enum class ChannelOrder { kRgba, kBgra };

// nHeight rows of nWidth 4-byte pixels, the rows nStride bytes apart.
struct PixelView {
    const std::uint8_t* pBytes = nullptr;
    int nWidth = 0;
    int nHeight = 0;
    std::size_t nStride = 0;
    ChannelOrder eOrder = ChannelOrder::kRgba;
};

inline bool IsValidView(const PixelView& view)
{
    return view.nWidth >= 0 && view.nHeight >= 0 && view.nStride / 4 >= static_cast<std::size_t>(view.nWidth) &&
           (view.pBytes || view.nWidth == 0 || view.nHeight == 0);
}

// The CLUT the palette is made for: entries are judged as the GE shows them
// after rounding to this format.
struct ClutRule {
    TextureFormat eFormat = TextureFormat::k8888;  // 5650, 5551, 4444 or 8888
    int nAlphaThreshold = 128;  // 5551: alpha at or above it is opaque, below it transparent (0-256)
};

inline bool IsValidRule(const ClutRule& rule)
{
    return (rule.eFormat == TextureFormat::k5650 || rule.eFormat == TextureFormat::k5551 ||
            rule.eFormat == TextureFormat::k4444 || rule.eFormat == TextureFormat::k8888) &&
           rule.nAlphaThreshold >= 0 && rule.nAlphaThreshold <= 256;
}

enum class QuantizeStatus {
    kDone,
    kBadArguments,   // a view, rule, colour count, index or buffer out of range
    kTooManyPixels,  // more than 2^32 - 1 pixels counted in one histogram
    kOutOfMemory,
};

}  // namespace zandrel::quantize

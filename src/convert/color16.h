// Color16: the PSP's 15-bit colour word (red in bits 0-4, green 5-9, blue
// 10-14, bit 15 clear). Each channel keeps its top five bits: no rounding.
#pragma once

#include <cstdint>

namespace zandrel {

using Color16 = std::uint16_t;

constexpr Color16 PackColor16(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<Color16>((red >> 3) | ((green >> 3) << 5) | ((blue >> 3) << 10));
}

}  // namespace zandrel

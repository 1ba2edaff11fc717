// CClutLevels: the levels a CLUT format holds in each channel, as the GE
// widens them back to 8 bits by bit replication, and the rounding of 8-bit
// pixels to the nearest of them.
#pragma once

#include <cstdint>

#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

class CClutLevels {
public:
    explicit CClutLevels(const ClutRule& rule);

    // The pixel as the GE shows it once rounded to the format: each channel
    // at its nearest level (the lower on a tie), 5551 alpha 0 or 255 by the
    // threshold, 5650 opaque; transparent black when its alpha rounds to 0.
    Rgba8 Round(Rgba8 pixel) const
    {
        const std::uint8_t a = m_round[3][pixel.a];
        if (a == 0)
            return {};
        return {m_round[0][pixel.r], m_round[1][pixel.g], m_round[2][pixel.b], a};
    }
    std::uint8_t RoundChannel(int nChannel, std::uint8_t nValue) const { return m_round[nChannel][nValue]; }

    // The widened levels of a channel (0 red, 1 green, 2 blue, 3 alpha),
    // ascending; alpha lists only the levels above 0, as a colour entry is
    // never transparent.
    int LevelCount(int nChannel) const { return m_nLevels[nChannel]; }
    std::uint8_t Level(int nChannel, int nIndex) const { return m_levels[nChannel][nIndex]; }
    // The position in that list of the level nearest to nValue.
    int NearestLevel(int nChannel, std::uint8_t nValue) const { return m_nearest[nChannel][nValue]; }

private:
    std::uint8_t m_round[4][256];
    std::uint8_t m_nearest[4][256];
    std::uint8_t m_levels[4][256];
    int m_nLevels[4];
};

}  // namespace zandrel::quantize

#include "convert/quantize/clut_levels.h"

#include <cstdlib>

namespace zandrel::quantize {
namespace {

// Bit replication: the n-bit value's bits repeated until 8 are filled.
int Widen(int nLevel, int nBits)
{
    int nWide = 0, nHave = 0;
    for (; nHave < 8; nHave += nBits)
        nWide = nWide << nBits | nLevel;
    return nWide >> (nHave - 8);
}

// Bits of red, green, blue and alpha; alpha 0 for a format without it and
// 1 for 5551, whose alpha is a threshold rather than a rounding.
struct ChannelBits {
    int n[4];
};

ChannelBits BitsOf(TextureFormat eFormat)
{
    switch (eFormat) {
    case TextureFormat::k5650: return {{5, 6, 5, 0}};
    case TextureFormat::k5551: return {{5, 5, 5, 1}};
    case TextureFormat::k4444: return {{4, 4, 4, 4}};
    default: return {{8, 8, 8, 8}};
    }
}

}  // namespace

CClutLevels::CClutLevels(const ClutRule& rule)
{
    const ChannelBits bits = BitsOf(rule.eFormat);
    for (int c = 0; c < 4; ++c) {
        const int nBits = bits.n[c];
        int nCount = 0;
        if (nBits <= 1) {
            m_levels[c][nCount++] = 255;
        } else {
            for (int q = c == 3 ? 1 : 0; q < 1 << nBits; ++q)
                m_levels[c][nCount++] = static_cast<std::uint8_t>(Widen(q, nBits));
        }
        m_nLevels[c] = nCount;
        // Levels ascend, so the nearest moves up only while the next one is
        // strictly nearer: ties stay with the lower level.
        int nAt = 0;
        for (int v = 0; v < 256; ++v) {
            while (nAt + 1 < nCount && std::abs(m_levels[c][nAt + 1] - v) < std::abs(m_levels[c][nAt] - v))
                ++nAt;
            m_nearest[c][v] = static_cast<std::uint8_t>(nAt);
            m_round[c][v] = m_levels[c][nAt];
        }
    }
    // Alpha that rounds below the lowest level above 0 is transparent.
    for (int v = 0; v < 256; ++v) {
        if (bits.n[3] == 0)
            m_round[3][v] = 255;
        else if (bits.n[3] == 1)
            m_round[3][v] = v >= rule.nAlphaThreshold ? 255 : 0;
        else if (m_levels[3][0] - v >= v)  // 0 is nearer than the lowest level, or as near
            m_round[3][v] = 0;
    }
}

}  // namespace zandrel::quantize

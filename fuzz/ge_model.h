// The GE's texel colours written from its public rules, apart from the
// encoders: how a stored 16- or 32-bit texel widens to 8 bits a channel, the
// colour each format shows for an 8-bit one, where a texel of a linear or
// swizzled buffer lies, and the mip reduction. Shared by the fuzz targets and
// the unit tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace zandrel::fuzz {

using GeRgba = std::array<int, 4>;  // red, green, blue, alpha

// An n-bit value widened to 8 bits by repeating its bits.
inline int GeWiden(int q, int nBits)
{
    return nBits == 8 ? q : (q << (8 - nBits)) | (q >> (2 * nBits - 8));
}

// The widened value nearest to v among all n-bit values, the smaller on a tie.
inline int GeNearest(int v, int nBits)
{
    int nBest = 0;
    for (int q = 0; q < (1 << nBits); ++q)
        nBest = std::abs(GeWiden(q, nBits) - v) < std::abs(GeWiden(nBest, nBits) - v) ? q : nBest;
    return GeWiden(nBest, nBits);
}

// What formats 0-3 (5650, 5551, 4444, 8888) show for an 8-bit colour: each
// channel at its nearest level, 5650 opaque, 5551's alpha cut at the threshold.
inline GeRgba GeRounded(int nPsm, GeRgba s, int nThreshold)
{
    switch (nPsm) {
    case 0: return {GeNearest(s[0], 5), GeNearest(s[1], 6), GeNearest(s[2], 5), 255};
    case 1: return {GeNearest(s[0], 5), GeNearest(s[1], 5), GeNearest(s[2], 5), s[3] >= nThreshold ? 255 : 0};
    case 2: return {GeNearest(s[0], 4), GeNearest(s[1], 4), GeNearest(s[2], 4), GeNearest(s[3], 4)};
    default: return s;
    }
}

// The colour of a stored texel (or CLUT entry) of formats 0-3, red in the low bits.
inline GeRgba GeDecode(int nPsm, unsigned v)
{
    auto field = [v](int nShift, int nBits) { return GeWiden(static_cast<int>(v >> nShift) & ((1 << nBits) - 1), nBits); };
    switch (nPsm) {
    case 0: return {field(0, 5), field(5, 6), field(11, 5), 255};
    case 1: return {field(0, 5), field(5, 5), field(10, 5), (v >> 15) ? 255 : 0};
    case 2: return {field(0, 4), field(4, 4), field(8, 4), field(12, 4)};
    default: return {field(0, 8), field(8, 8), field(16, 8), field(24, 8)};
    }
}

inline unsigned GeReadLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t nOffset, int nCount)
{
    unsigned v = 0;
    for (int i = nCount - 1; i >= 0; --i)
        v = v << 8 | bytes.at(nOffset + static_cast<std::size_t>(i));
    return v;
}

// Stored value of texel (x, y) of a buffer of nBits a texel: the GE's addressing of rows of nRowBytes, or of
// swizzled blocks of 16 bytes x 8 rows.
inline unsigned GeFetch(const std::vector<std::uint8_t>& bytes, int nBits, std::size_t nRowBytes, bool bSwizzled,
                        int x, int y)
{
    const std::size_t nByte = static_cast<std::size_t>(x) * nBits / 8;
    const std::size_t nOffset = bSwizzled ? ((y / 8) * (nRowBytes / 16) + nByte / 16) * 128 + (y % 8) * 16 + nByte % 16
                                          : y * nRowBytes + nByte;
    return nBits == 4 ? (bytes.at(nOffset) >> (x % 2 * 4)) & 15 : GeReadLittleEndian(bytes, nOffset, nBits / 8);
}

// The mip level below one of w x h texels (4 bytes each, alpha last, the colour bytes in any order), by the rule
// written out plainly: each texel from the k = 2 x 2 texels it covers (2 x 1 or 1 x 2 where a side is 1); with A
// their alpha sum, alpha (A + k/2) / k and each colour (sum c*a + A/2) / A, or the mean (sum c + k/2) / k when
// A = 0. An odd side's last texel is covered by none.
inline std::vector<std::uint8_t> GeReducedMip(const std::vector<std::uint8_t>& above, int w, int h)
{
    const int sx = w > 1 ? 2 : 1, sy = h > 1 ? 2 : 1, k = sx * sy, nBelowWidth = w / sx;
    std::vector<std::uint8_t> below(static_cast<std::size_t>(nBelowWidth) * static_cast<std::size_t>(h / sy) * 4);
    for (std::size_t i = 0; i < below.size() / 4; ++i) {
        int sum[4] = {}, weighted[4] = {};
        for (int j = 0; j < k; ++j) {
            const std::size_t y = i / nBelowWidth * sy + j / sx, x = i % nBelowWidth * sx + j % sx;
            const std::uint8_t* t = &above.at((y * w + x) * 4);
            for (int c = 0; c < 4; ++c) {
                sum[c] += t[c];
                weighted[c] += t[c] * t[3];
            }
        }
        for (int c = 0; c < 4; ++c)
            below[4 * i + c] = static_cast<std::uint8_t>(c < 3 && sum[3] ? (weighted[c] + sum[3] / 2) / sum[3]
                                                                          : (sum[c] + k / 2) / k);
    }
    return below;
}

}  // namespace zandrel::fuzz

// Where the quantiser measures colours: premultiplied RGBA (each colour
// channel times alpha / 255, alpha as it is) in sixteenths of an 8-bit level,
// so that the squared distance is the error a pixel shows once composited,
// the error the palette is judged by.
#pragma once

#include <cstdint>

#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

constexpr int kCoordMax = 255 * 16;  // 4080

struct Coord {
    std::int32_t v[4];
};

inline std::int32_t Premultiplied(int nChannel, int nAlpha)
{
    return (nChannel * nAlpha * 16 + 127) / 255;
}

inline Coord ToCoord(Rgba8 color)
{
    return {{Premultiplied(color.r, color.a), Premultiplied(color.g, color.a), Premultiplied(color.b, color.a),
             color.a * 16}};
}

// At most 4 * 4080^2 < 2^26.
inline std::uint32_t Distance(const Coord& p, const Coord& q)
{
    std::uint32_t nSum = 0;
    for (int c = 0; c < 4; ++c) {
        const std::int32_t d = p.v[c] - q.v[c];
        nSum += static_cast<std::uint32_t>(d * d);
    }
    return nSum;
}

// A histogram colour as the quantiser works on it.
struct WeightedColor {
    std::uint16_t p[4];      // its Coord
    std::uint32_t nWeight;   // pixels of this colour
    std::uint32_t nPacked;   // the colour, Pack()ed; breaks ties
};

inline Coord CoordOf(const WeightedColor& color)
{
    return {{color.p[0], color.p[1], color.p[2], color.p[3]}};
}

// The weight and weighted sums of the Coords of a set of colours. With at
// most 2^32 - 1 pixels a sum stays below 2^44.
struct Moments {
    std::uint64_t nWeight = 0;
    std::uint64_t s[4] = {};

    void Add(const WeightedColor& color)
    {
        nWeight += color.nWeight;
        for (int c = 0; c < 4; ++c)
            s[c] += std::uint64_t{color.nWeight} * color.p[c];
    }
    void Add(const Moments& other)
    {
        nWeight += other.nWeight;
        for (int c = 0; c < 4; ++c)
            s[c] += other.s[c];
    }
    Moments Minus(const Moments& other) const
    {
        Moments result;
        result.nWeight = nWeight - other.nWeight;
        for (int c = 0; c < 4; ++c)
            result.s[c] = s[c] - other.s[c];
        return result;
    }
};

}  // namespace zandrel::quantize

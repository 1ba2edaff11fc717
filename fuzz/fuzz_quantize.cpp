// Any bytes give an image, a CLUT format and palette options: the palette and
// indices are valid, the same when made again from the image added in two
// parts the other way round, and exact when the image has no more colours
// than the palette has entries.
#include <cstdint>
#include <cstring>
#include <set>
#include <tuple>
#include <vector>

#include "convert/quantize/remap.h"
#include "fuzz_support.h"
#include "ge_model.h"

namespace zandrel::fuzz {
namespace {

using quantize::Rgba8;

// What the GE shows for the pixel through the CLUT: transparent black when its alpha rounds to 0.
Rgba8 PlainShown(Rgba8 p, const quantize::ClutRule& rule)
{
    const GeRgba q = GeRounded(static_cast<int>(rule.eFormat), {p.r, p.g, p.b, p.a}, rule.nAlphaThreshold);
    return q[3] ? Rgba8{std::uint8_t(q[0]), std::uint8_t(q[1]), std::uint8_t(q[2]), std::uint8_t(q[3])} : Rgba8{};
}

// Premultiplied RGBA in sixteenths of a level, where the quantiser measures distance.
std::int64_t PlainDistance(Rgba8 p, Rgba8 q)
{
    const auto at = [](int c, int a) { return (c * a * 16 + 127) / 255; };
    const std::int64_t d[4] = {at(p.r, p.a) - at(q.r, q.a), at(p.g, p.a) - at(q.g, q.a), at(p.b, p.a) - at(q.b, q.a),
                               16 * (p.a - q.a)};
    return d[0] * d[0] + d[1] * d[1] + d[2] * d[2] + d[3] * d[3];
}

// Undithered, a pixel takes the entry equal to its rounded colour, else the nearest used one, the lowest on a tie.
int PlainNearest(const quantize::Palette& palette, Rgba8 q)
{
    int nBest = -1;
    for (int i = 0; i < palette.nCount; ++i) {
        const Rgba8 e = palette.entries[i];
        if (!e.a && i != palette.nTransparentIndex)
            continue;
        if (e == q)
            return i;
        if (nBest < 0 || PlainDistance(q, e) < PlainDistance(q, palette.entries[nBest]))
            nBest = i;
    }
    return nBest;
}

struct Made {
    quantize::Palette palette;
    std::vector<std::uint8_t> indices;
};

// The image's rows added from nSplit on first, then those before it.
Made Make(const quantize::PixelView& view, int nSplit, const quantize::QuantizeOptions& options,
          const quantize::ClutRule& rule, bool bDither)
{
    quantize::CColorHistogram histogram(rule);
    quantize::PixelView top = view, bottom = view;
    top.nHeight = nSplit;
    bottom.pBytes += static_cast<std::size_t>(nSplit) * view.nStride;
    bottom.nHeight -= nSplit;
    Made made{{}, std::vector<std::uint8_t>(std::size_t(view.nWidth) * std::size_t(view.nHeight), 0xEE)};
    Check(histogram.Add(bottom) == quantize::QuantizeStatus::kDone &&
              histogram.Add(top) == quantize::QuantizeStatus::kDone &&
              quantize::Quantize(histogram, options, &made.palette) == quantize::QuantizeStatus::kDone &&
              quantize::Remap(view, made.palette, bDither, made.indices.data(), made.indices.size()) ==
                  quantize::QuantizeStatus::kDone,
          "a valid image was not quantised");
    return made;
}

}  // namespace

int FuzzQuantize(const std::uint8_t* pData, std::size_t nSize)
{
    std::size_t nAt = 0;
    const auto next = [&]() -> std::uint8_t { return nAt < nSize ? pData[nAt++] : 0; };
    const int nFlags = next();
    const quantize::ClutRule rule{static_cast<TextureFormat>(nFlags & 3), next()};
    const bool bDither = nFlags & 4, bFewColors = nFlags & 8, bOnLevels = nFlags & 16;
    const int nWidth = 1 + next() % 40, nHeight = 1 + next() % 40;
    quantize::QuantizeOptions options;
    options.nMaxColors = 2 + next() % 255;
    options.nTransparentIndex = next() % options.nMaxColors;

    // Pixels stored red first or blue first; either few colours, repeated, or any bytes.
    const bool bBgra = nFlags & 32;
    std::vector<Rgba8> colors(1 + next() % 24);
    for (Rgba8& color : colors)
        color = {next(), next(), next(), next()};
    std::vector<Rgba8> pixels(std::size_t(nWidth) * std::size_t(nHeight));
    std::vector<std::uint8_t> bytes;
    for (Rgba8& p : pixels) {
        p = bFewColors ? colors[next() % colors.size()] : Rgba8{next(), next(), next(), next()};
        if (bOnLevels && PlainShown(p, rule).a)
            p = PlainShown(p, rule);
        bytes.insert(bytes.end(), {bBgra ? p.b : p.r, p.g, bBgra ? p.r : p.b, p.a});
    }
    const quantize::PixelView view{bytes.data(), nWidth, nHeight, 4 * std::size_t(nWidth),
                                   bBgra ? quantize::ChannelOrder::kBgra : quantize::ChannelOrder::kRgba};

    const Made made = Make(view, 0, options, rule, bDither);
    const Made again = Make(view, nHeight / 2, options, rule, bDither);
    const quantize::Palette& palette = made.palette;
    Check(palette.nCount == again.palette.nCount && palette.nTransparentIndex == again.palette.nTransparentIndex &&
              std::memcmp(palette.entries, again.palette.entries, sizeof palette.entries) == 0 &&
              made.indices == again.indices,
          "made twice, the palette or indices differ");

    // Entries: CLUT colours in the documented order, transparent black only at the transparent index or unused.
    Check(palette.nCount <= options.nMaxColors && palette.nCount > 0, "entries in use out of range");
    std::set<std::uint32_t> shown;
    bool bAnyTransparent = false, bOnGrid = true;
    for (const Rgba8 p : pixels) {
        const Rgba8 q = PlainShown(p, rule);
        shown.insert(quantize::Pack(q));
        bAnyTransparent |= !q.a;
        bOnGrid &= !q.a || (q.r == p.r && q.g == p.g && q.b == p.b);
    }
    Check(bAnyTransparent == (palette.nTransparentIndex >= 0) &&
              (!bAnyTransparent || palette.entries[palette.nTransparentIndex] == Rgba8{}),
          "transparent entry missing, misplaced or not transparent black");
    const auto key = [](Rgba8 e) { return std::tuple(2126 * e.r + 7152 * e.g + 722 * e.b, e.a, quantize::Pack(e)); };
    const Rgba8* pPrevious = nullptr;
    for (int i = 0; i < palette.nCount; ++i) {
        const Rgba8 e = palette.entries[i];
        // Transparent black only at the transparent index and in the unused run just before it.
        bool bUnused = !e.a && palette.nTransparentIndex >= i;
        for (int k = i; bUnused && k <= palette.nTransparentIndex; ++k)
            bUnused = palette.entries[k] == Rgba8{};
        Check(e.a || bUnused, "a transparent entry that is not transparent black before the transparent index");
        if (!e.a)
            continue;
        Check(PlainShown(e, rule) == e, "an entry is not a CLUT colour");
        Check(!pPrevious || key(*pPrevious) < key(e), "entries out of order or repeated");
        pPrevious = &palette.entries[i];
    }

    const bool bExact = shown.size() <= static_cast<std::size_t>(options.nMaxColors) && (!bDither || bOnGrid);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int nIndex = made.indices[i];
        const Rgba8 q = PlainShown(pixels[i], rule);
        Check(nIndex < palette.nCount && (palette.entries[nIndex].a || nIndex == palette.nTransparentIndex),
              "an index past the entries in use or at an unused entry");
        Check(q.a || nIndex == palette.nTransparentIndex, "a transparent pixel not at the transparent index");
        Check(!bExact || palette.entries[nIndex] == q, "an image with few enough colours did not come back exactly");
        Check(bDither || !q.a || nIndex == PlainNearest(palette, q), "a pixel not at its nearest entry");
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzQuantize)

#include "convert/quantize/remap.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

#include "convert/quantize/clut_levels.h"
#include "convert/quantize/nearest_color.h"

namespace zandrel::quantize {
namespace {

constexpr int kCarryLimit = 32 * 16;  // +-32 levels, in the sixteenths the error is spread in
constexpr int kEdge = 64;
constexpr int kCacheSize = 4096;

std::size_t CacheSlotOf(std::uint32_t nPacked)
{
    return static_cast<std::size_t>((nPacked * 0x9E3779B1u) >> 20) & (kCacheSize - 1);
}

// The entry for a colour: one the palette holds exactly, else the nearest;
// answers are remembered in a small cache, as images repeat their colours.
class CPaletteLookup {
public:
    explicit CPaletteLookup(const Palette& palette)
    {
        Coord coords[256];
        std::uint8_t indices[256];
        int nCandidates = 0;
        for (int i = 0; i < palette.nCount; ++i) {
            const Rgba8 entry = palette.entries[i];
            if (entry.a == 0 && i != palette.nTransparentIndex)
                continue;  // unused
            coords[nCandidates] = ToCoord(entry);
            indices[nCandidates++] = static_cast<std::uint8_t>(i);
            if (entry.a)
                m_exact[m_nExact++] = {Pack(entry), static_cast<std::uint8_t>(i)};
        }
        // By colour, then index: a colour held twice finds its lower index.
        std::sort(m_exact, m_exact + m_nExact, [](const Slot& x, const Slot& y) {
            return x.nPacked != y.nPacked ? x.nPacked < y.nPacked : x.nIndex < y.nIndex;
        });
        m_nearest.Build(coords, indices, nCandidates);
        m_nTransparent = palette.nTransparentIndex;
        if (m_nTransparent < 0 && nCandidates)
            m_nTransparent = m_nearest.IndexAt(m_nearest.Find(Coord{}, 0).nSlot);
    }

    bool Usable() const { return m_nearest.Count() > 0; }
    int Transparent() const { return m_nTransparent; }

    // color.a > 0.
    int Find(Rgba8 color)
    {
        const std::uint32_t nPacked = Pack(color);
        Slot& cached = m_cache[CacheSlotOf(nPacked)];
        if (cached.nPacked == nPacked)
            return cached.nIndex;
        const Slot* pExact = std::lower_bound(m_exact, m_exact + m_nExact, nPacked,
                                              [](const Slot& slot, std::uint32_t n) { return slot.nPacked < n; });
        int nIndex = 0;
        if (pExact != m_exact + m_nExact && pExact->nPacked == nPacked) {
            nIndex = pExact->nIndex;
        } else {
            m_nGuess = m_nearest.Find(ToCoord(color), m_nGuess).nSlot;
            nIndex = m_nearest.IndexAt(m_nGuess);
        }
        cached = {nPacked, static_cast<std::uint8_t>(nIndex)};
        return nIndex;
    }

private:
    struct Slot {
        std::uint32_t nPacked = 0;  // 0: empty, as a looked-up colour is never transparent
        std::uint8_t nIndex = 0;
    };

    CNearestColor m_nearest;
    Slot m_exact[256];  // the entries that are colours
    int m_nExact = 0;
    Slot m_cache[kCacheSize];
    int m_nGuess = 0;
    int m_nTransparent = 0;
};

Rgba8 PixelAt(const std::uint8_t* p, ChannelOrder eOrder)
{
    return eOrder == ChannelOrder::kBgra ? Rgba8{p[2], p[1], p[0], p[3]} : Rgba8{p[0], p[1], p[2], p[3]};
}

void RemapPlain(const PixelView& image, const CClutLevels& levels, CPaletteLookup& lookup, std::uint8_t* pIndices)
{
    for (int y = 0; y < image.nHeight; ++y) {
        const std::uint8_t* p = image.pBytes + static_cast<std::size_t>(y) * image.nStride;
        std::uint8_t* pOut = pIndices + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.nWidth);
        for (int x = 0; x < image.nWidth; ++x, p += 4) {
            const Rgba8 color = levels.Round(PixelAt(p, image.eOrder));
            pOut[x] = static_cast<std::uint8_t>(color.a ? lookup.Find(color) : lookup.Transparent());
        }
    }
}

// Neighbours across a hard edge: some channel, alpha included, differs by
// more than a quarter of the range.
bool Alike(const std::uint8_t* p, const std::uint8_t* q)
{
    for (int c = 0; c < 4; ++c) {
        if (std::abs(p[c] - q[c]) > kEdge)
            return false;
    }
    return true;
}

// Errors in sixteenths of a level, three channels a pixel, one pixel of
// margin on each side of a row.
void RemapDithered(const PixelView& image, const Palette& palette, const CClutLevels& levels,
                   CPaletteLookup& lookup, std::uint8_t* pIndices)
{
    const std::size_t nRow = 3 * (static_cast<std::size_t>(image.nWidth) + 2);
    std::vector<std::int32_t> errors(2 * nRow, 0);
    std::int32_t* pThis = errors.data();
    std::int32_t* pNext = errors.data() + nRow;
    for (int y = 0; y < image.nHeight; ++y) {
        const std::uint8_t* pRow = image.pBytes + static_cast<std::size_t>(y) * image.nStride;
        const std::uint8_t* pRowBelow = y + 1 < image.nHeight ? pRow + image.nStride : nullptr;
        std::uint8_t* pOut = pIndices + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.nWidth);
        const int nStep = y & 1 ? -1 : 1;
        std::fill(pNext, pNext + nRow, 0);
        for (int n = 0, x = nStep > 0 ? 0 : image.nWidth - 1; n < image.nWidth; ++n, x += nStep) {
            const std::uint8_t* pAt = pRow + 4 * static_cast<std::size_t>(x);
            const Rgba8 pixel = PixelAt(pAt, image.eOrder);
            const std::uint8_t nAlpha = levels.RoundChannel(3, pixel.a);
            if (!nAlpha) {
                pOut[x] = static_cast<std::uint8_t>(lookup.Transparent());
                continue;
            }
            std::int32_t* pCarry = pThis + 3 * static_cast<std::size_t>(x + 1);
            const std::uint8_t values[3] = {pixel.r, pixel.g, pixel.b};
            std::uint8_t target[3];
            for (int c = 0; c < 3; ++c) {
                const int nCarry = std::clamp(pCarry[c], -kCarryLimit, kCarryLimit);
                target[c] = static_cast<std::uint8_t>(std::clamp(values[c] + ((nCarry + 8) >> 4), 0, 255));
            }
            const int nIndex = lookup.Find({target[0], target[1], target[2], nAlpha});
            pOut[x] = static_cast<std::uint8_t>(nIndex);

            // The four shares, 7 ahead, 3 behind below, 5 below, 1 ahead
            // below, each to a neighbour in the image on this side of an edge.
            const Rgba8 shown = palette.entries[nIndex];
            const std::uint8_t shownValues[3] = {shown.r, shown.g, shown.b};
            const int xAhead = x + nStep, xBehind = x - nStep;
            const bool bAhead = xAhead >= 0 && xAhead < image.nWidth;
            const bool bBehind = xBehind >= 0 && xBehind < image.nWidth;
            const int shares[4] = {
                bAhead && Alike(pAt, pRow + 4 * static_cast<std::size_t>(xAhead)) ? 7 : 0,
                pRowBelow && bBehind && Alike(pAt, pRowBelow + 4 * static_cast<std::size_t>(xBehind)) ? 3 : 0,
                pRowBelow && Alike(pAt, pRowBelow + 4 * static_cast<std::size_t>(x)) ? 5 : 0,
                pRowBelow && bAhead && Alike(pAt, pRowBelow + 4 * static_cast<std::size_t>(xAhead)) ? 1 : 0,
            };
            std::int32_t* pBelow = pNext + 3 * static_cast<std::size_t>(x + 1);
            const std::ptrdiff_t nAhead = 3 * nStep;
            for (int c = 0; c < 3; ++c) {
                const std::int32_t nError = (target[c] - shownValues[c]) * nAlpha / 255;
                pCarry[nAhead + c] += shares[0] * nError;
                pBelow[-nAhead + c] += shares[1] * nError;
                pBelow[c] += shares[2] * nError;
                pBelow[nAhead + c] += shares[3] * nError;
            }
        }
        std::swap(pThis, pNext);
    }
}

}  // namespace

QuantizeStatus Remap(const PixelView& image, const Palette& palette, bool bDither, std::uint8_t* pIndices,
                     std::size_t nCapacity)
{
    const std::uint64_t nPixels = std::uint64_t(image.nWidth) * std::uint64_t(image.nHeight);
    if (!IsValidView(image) || !IsValidRule(palette.rule) || palette.nCount < 0 || palette.nCount > 256 ||
        palette.nTransparentIndex < -1 || palette.nTransparentIndex >= palette.nCount || nPixels > nCapacity ||
        (nPixels && !pIndices))
        return QuantizeStatus::kBadArguments;
    if (!nPixels)
        return QuantizeStatus::kDone;
    const CClutLevels levels(palette.rule);
    CPaletteLookup lookup(palette);
    if (!lookup.Usable())
        return QuantizeStatus::kBadArguments;
    try {
        if (bDither)
            RemapDithered(image, palette, levels, lookup, pIndices);
        else
            RemapPlain(image, levels, lookup, pIndices);
    } catch (const std::bad_alloc&) {
        return QuantizeStatus::kOutOfMemory;
    }
    return QuantizeStatus::kDone;
}

}  // namespace zandrel::quantize

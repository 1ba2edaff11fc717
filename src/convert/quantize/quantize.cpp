#include "convert/quantize/quantize.h"

#include <algorithm>
#include <new>
#include <tuple>
#include <vector>

#include "convert/quantize/clut_centroid.h"
#include "convert/quantize/lloyd_refine.h"
#include "convert/quantize/pairwise_merge.h"
#include "convert/quantize/variance_cut.h"

namespace zandrel::quantize {
namespace {

constexpr int kMaxLloydPasses = 12;
constexpr int kBoxesBeforeMerging = 1024;

bool ComesBefore(Rgba8 x, Rgba8 y)
{
    const int nLumaX = 2126 * x.r + 7152 * x.g + 722 * x.b, nLumaY = 2126 * y.r + 7152 * y.g + 722 * y.b;
    return std::tuple(nLumaX, x.a, Pack(x)) < std::tuple(nLumaY, y.a, Pack(y));
}

// The palette's entries before they are ordered: the colours themselves when
// they fit, else cut and refined ones.
QuantizeStatus ChooseEntries(const CColorHistogram& histogram, int nSlots, std::vector<Rgba8>* pEntries)
{
    std::vector<WeightedColor> colors;
    colors.reserve(histogram.ColorCount());
    histogram.ForEachColor([&](Rgba8 color, std::uint32_t nCount) {
        const Coord at = ToCoord(color);
        colors.push_back({{static_cast<std::uint16_t>(at.v[0]), static_cast<std::uint16_t>(at.v[1]),
                           static_cast<std::uint16_t>(at.v[2]), static_cast<std::uint16_t>(at.v[3])},
                          nCount,
                          Pack(color)});
    });
    if (colors.size() <= static_cast<std::size_t>(nSlots) && !histogram.CoarseBits()) {
        for (const WeightedColor& color : colors)
            pEntries->push_back(Unpack(color.nPacked));
        return QuantizeStatus::kDone;
    }

    // Many more boxes than entries, merged down by Ward's criterion: cuts
    // alone leave rare colours badly served.
    std::vector<ColorBox> boxes;
    const QuantizeStatus eCut = CutIntoBoxes(colors.data(), colors.size(), kBoxesBeforeMerging, &boxes);
    if (eCut != QuantizeStatus::kDone)
        return eCut;
    std::vector<Moments> clusters;
    for (const ColorBox& box : boxes)
        clusters.push_back(box.moments);
    std::vector<std::uint16_t> mergedInto;
    const QuantizeStatus eMerge = MergeClusters(&clusters, static_cast<std::size_t>(nSlots), &mergedInto);
    if (eMerge != QuantizeStatus::kDone)
        return eMerge;
    std::vector<std::uint8_t> assigned(colors.size());
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        std::fill(assigned.begin() + static_cast<std::ptrdiff_t>(boxes[k].nBegin),
                  assigned.begin() + static_cast<std::ptrdiff_t>(boxes[k].nEnd),
                  static_cast<std::uint8_t>(mergedInto[k]));
    }
    for (const Moments& cluster : clusters)
        pEntries->push_back(CentroidEntry(histogram.Levels(), cluster));
    RefineInput input;
    input.pColors = colors.data();
    input.nCount = colors.size();
    input.pLevels = &histogram.Levels();
    input.bTransparentEntry = histogram.TransparentCount() > 0;
    input.nMaxPasses = kMaxLloydPasses;
    return RefinePalette(input, &assigned, pEntries);
}

}  // namespace

QuantizeStatus Quantize(const CColorHistogram& histogram, const QuantizeOptions& options, Palette* pPalette)
{
    if (!IsValidRule(histogram.Rule()) || options.nMaxColors < 2 || options.nMaxColors > 256 ||
        options.nTransparentIndex < 0 || options.nTransparentIndex >= options.nMaxColors)
        return QuantizeStatus::kBadArguments;
    const bool bTransparent = histogram.TransparentCount() > 0;
    std::vector<Rgba8> entries;
    try {
        const QuantizeStatus eStatus = ChooseEntries(histogram, options.nMaxColors - (bTransparent ? 1 : 0), &entries);
        if (eStatus != QuantizeStatus::kDone)
            return eStatus;
    } catch (const std::bad_alloc&) {
        return QuantizeStatus::kOutOfMemory;
    }
    std::sort(entries.begin(), entries.end(), ComesBefore);
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());

    Palette palette;
    palette.rule = histogram.Rule();
    const int nColors = static_cast<int>(entries.size());
    int nAt = 0;
    for (int k = 0; k < nColors; ++k, ++nAt) {
        if (bTransparent && nAt == options.nTransparentIndex)
            ++nAt;
        palette.entries[nAt] = entries[static_cast<std::size_t>(k)];
    }
    palette.nCount = nAt;
    if (bTransparent) {
        palette.nTransparentIndex = options.nTransparentIndex;
        palette.nCount = std::max(nAt, options.nTransparentIndex + 1);
    }
    *pPalette = palette;
    return QuantizeStatus::kDone;
}

}  // namespace zandrel::quantize

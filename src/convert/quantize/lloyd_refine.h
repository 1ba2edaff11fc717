// Lloyd's k-means over the histogram's colours: each pass gives every colour
// to its nearest entry, then moves each entry to the mean of its colours,
// rounded to a colour the CLUT holds. The palette with the least error wins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/quantize/clut_levels.h"
#include "convert/quantize/color_space.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

struct RefineInput {
    const WeightedColor* pColors = nullptr;
    std::size_t nCount = 0;
    const CClutLevels* pLevels = nullptr;
    bool bTransparentEntry = false;  // colours nearest to transparent black go there and pull on nothing
    int nMaxPasses = 0;
};

// *pEntries: the first palette in, the refined one out (never transparent
// colours, at most 255 with a transparent entry, 256 without).
// *pAssigned: for each colour its entry in the first palette, or a guess.
QuantizeStatus RefinePalette(const RefineInput& input, std::vector<std::uint8_t>* pAssigned,
                             std::vector<Rgba8>* pEntries);

}  // namespace zandrel::quantize

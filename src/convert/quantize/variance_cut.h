// The colours split into boxes by greedy cuts, each the one (of all channels
// and positions) that lowers the boxes' summed squared error the most, as in
// Wu's variance-minimising quantiser: the palette's first, coarse clusters.
#pragma once

#include <cstddef>
#include <vector>

#include "convert/quantize/color_space.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

struct ColorBox {
    std::size_t nBegin = 0, nEnd = 0;  // a run of the reordered colours
    Moments moments;
};

// Reorders the colours so that each box is one run of them and gives at most
// nBoxes boxes; fewer when no cut can part the colours any further (cuts fall
// between whole 8-bit levels of a channel).
QuantizeStatus CutIntoBoxes(WeightedColor* pColors, std::size_t nCount, int nBoxes, std::vector<ColorBox>* pBoxes);

}  // namespace zandrel::quantize

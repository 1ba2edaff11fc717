// The colour a CLUT format holds nearest to the mean of a set of colours:
// where a palette entry serving that set is best put.
#pragma once

#include "convert/quantize/clut_levels.h"
#include "convert/quantize/color_space.h"

namespace zandrel::quantize {

// Never transparent; moments.nWeight > 0.
Rgba8 CentroidEntry(const CClutLevels& levels, const Moments& moments);

}  // namespace zandrel::quantize

// libsquish's best fit (iterative cluster fit) of one block, as starting
// endpoints for the refinement under the GE's decode.
#pragma once

#include <cstdint>

#include "convert/texture/dxt/dxt_layout.h"

namespace zandrel {

struct SquishStart {
    std::uint16_t colours[2] = {};
    std::uint8_t alphas[2] = {};  // DXT5 only
};

// rgba: 16 texels of red, green, blue, alpha. bThreeColour (DXT1 with
// transparent texels): alpha is 0 or 255 and the fit uses three-colour mode;
// otherwise four-colour mode, colour weighted by alpha for DXT3 and DXT5.
SquishStart SquishFit(const std::uint8_t rgba[64], DxtFormat eFormat, bool bThreeColour);

}  // namespace zandrel

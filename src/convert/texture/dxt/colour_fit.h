// Endpoints and indices of one colour block, judged by the GE's decode: a
// small local search around starting endpoints (libsquish's among them).
#pragma once

#include <cstdint>

#include "convert/texture/dxt/ge_block.h"

namespace zandrel {

// The 16 texels of a block with the weight of each one's squared error; in
// three-colour mode a weight of 0 marks a texel that must decode transparent
// (DXT1, index 3).
struct ColourTexels {
    int rgb[16][3] = {};
    std::uint32_t weights[16] = {};
};

// kFour: nColour0 > nColour1, or equal endpoints with every index 0 (what
// DXT3/DXT5 and opaque DXT1 blocks need). kThree: nColour0 <= nColour1, for
// DXT1 blocks with transparent texels.
enum class ColourMode { kFour, kThree };

// The block of least weighted error found from the starts (pairs of
// endpoints in either order): each start is refined by steps of one in one
// channel of one endpoint while a step lowers the error. The result obeys the
// mode's rule.
ColourBlock FitColourBlock(const ColourTexels& texels, ColourMode eMode, const std::uint16_t (*pStarts)[2],
                           int nStarts);

// RGB565 of the weighted mean of the texels of non-zero weight, each channel
// the nearest value under shift widening; 0 when every weight is 0.
std::uint16_t WeightedMeanColour(const ColourTexels& texels);

// An endpoint chosen for bit-replication widening, moved to the value whose
// shift-widened colour is nearest the replicated one.
std::uint16_t RequantiseForShift(std::uint16_t nColour);

}  // namespace zandrel

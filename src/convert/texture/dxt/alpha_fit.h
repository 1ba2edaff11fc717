// The alpha half of DXT3 and DXT5 blocks, chosen for the GE's decode.
#pragma once

#include <cstdint>

#include "convert/texture/dxt/ge_block.h"

namespace zandrel {

// DXT3: the GE widens 4-bit alpha by shifting (n << 4), so each texel takes
// the nibble nearest under that, not the one a replicating decoder would.
void FitDxt3Alpha(const std::uint8_t alpha[16], std::uint8_t nibbles[16]);

// DXT5: the endpoints of least squared error found from libsquish's pair and
// the block's own ranges (both modes), each refined by steps of one while a
// step lowers the error under the GE's interpolation.
AlphaBlock FitDxt5Alpha(const std::uint8_t (&alpha)[16], std::uint8_t nSquishAlpha0, std::uint8_t nSquishAlpha1);

}  // namespace zandrel

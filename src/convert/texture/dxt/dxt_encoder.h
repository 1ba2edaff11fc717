// From 8-bit texels to a GE DXT1/DXT3/DXT5 texture: libsquish's fit of each
// 4 x 4 block, refined for the GE's decode and written in the GE's block order.
#pragma once

#include <cstdint>

#include "convert/texture/dxt/dxt_layout.h"

namespace zandrel {

// Fills the layout.nBytes at pOut. pBgra: layout.nWidth x layout.nHeight
// texels of 4 bytes (blue, green, red, alpha), top row first, no row padding.
// Sides are padded to whole blocks by repeating the edge texels; blocks past
// the image in a stored row are all zero. DXT1 texels with alpha below
// nAlphaThreshold decode transparent (three-colour mode); every other block
// is four-colour. The same input gives the same bytes on every platform.
void EncodeDxt(const DxtLayout& layout, const std::uint8_t* pBgra, int nAlphaThreshold, std::uint8_t* pOut);

}  // namespace zandrel

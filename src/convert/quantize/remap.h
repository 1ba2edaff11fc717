// Remap: each pixel's palette index, the entry nearest to what the pixel
// should show, optionally with Floyd-Steinberg error diffusion.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/quantize/quantize.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

// Writes one index a pixel, row after row (nWidth bytes a row), to pIndices,
// which holds nCapacity bytes. A pixel that rounds to transparent takes the
// transparent entry; any other the entry nearest to it in premultiplied RGBA,
// the pixel rounded to the CLUT first (so a colour the palette holds is kept
// exactly), never an unused entry.
//
// bDither: Floyd-Steinberg in serpentine order on the colour channels, alpha
// as it is rounded. Each pixel's target is its colour plus the error carried
// to it, clamped per channel to +-32 (an eighth of the range); the error it
// passes on is that target, clamped to 0..255, less the entry as the GE widens
// it, scaled by the pixel's alpha. No error crosses a hard edge: a neighbour
// takes its share only when no channel (alpha included) of the two pixels
// differs by more than 64. So a colour the palette cannot reach does not
// bleed into the next area, and a colour it holds stays exact in a flat area.
// Transparent pixels neither take nor pass on error.
QuantizeStatus Remap(const PixelView& image, const Palette& palette, bool bDither, std::uint8_t* pIndices,
                     std::size_t nCapacity);

}  // namespace zandrel::quantize

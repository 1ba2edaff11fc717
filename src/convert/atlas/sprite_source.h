// The texels an atlas takes from a decoded image: its colours as RGBA8 with
// the key and the transparent index applied, and for atlases that keep a
// shared palette its indices in the same shape.
#pragma once

#include "convert/atlas/sprite.h"
#include "convert/image.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// Every pixel as the texture would show it before rounding: palette entries
// looked up (an index past the colour count, the transparent index and the
// key colour transparent black), true-colour pixels of the key colour
// transparent black. False when the texels cannot be allocated.
bool ColourTexels(const DecodedImage& image, const TextureOptions& options, SpriteImage* pTexels);

// A palette image's index of each pixel in the low byte and the alpha of
// `colour` (ColourTexels of the same image) in the high byte: trimmed and cut
// by the same rule as the colours, the same rectangles come out. False when
// the texels cannot be allocated.
bool IndexTexels(const IndexedImage& image, const SpriteImage& colour, SpriteImage* pTexels);

}  // namespace zandrel

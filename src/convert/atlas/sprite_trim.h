// TrimSprite: a sprite cut to the smallest rectangle holding all its texels
// that are not fully transparent (alpha 0), its offset and source size kept.
#pragma once

#include "convert/atlas/sprite.h"

namespace zandrel {

// Offsets add to those the sprite had, so trimming twice changes nothing.
// A sprite with no visible texel becomes one transparent texel at offset
// 0, 0: it still has a row in the table and draws nothing. An image whose
// texels do not match its size is returned as it is (the packer refuses it).
Sprite TrimSprite(const Sprite& sprite);

}  // namespace zandrel

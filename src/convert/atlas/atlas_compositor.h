// ComposeAtlasPage: the RGBA8 image of one atlas page, for the texture
// encoder to encode like any other image.
#pragma once

#include <vector>

#include "convert/atlas/atlas_packer.h"
#include "convert/atlas/sprite.h"

namespace zandrel {

// Page nPage of the atlas packed from `sprites`: transparent black, each
// sprite's texels at its rectangle, and around them its edge texels repeated
// options.nExtrude times outwards (corners take the corner texel). False,
// and *pPage untouched, when the atlas was refused, nPage is no page of it or
// `sprites` are not the ones it was packed from.
bool ComposeAtlasPage(const PackedAtlas& atlas, const std::vector<Sprite>& sprites, int nPage, SpriteImage* pPage);

}  // namespace zandrel

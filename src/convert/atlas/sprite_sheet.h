// CutSpriteSheet: a sheet cut into a grid of equal tiles, one sprite each.
#pragma once

#include <string>
#include <vector>

#include "convert/atlas/atlas_problem.h"
#include "convert/atlas/sprite.h"

namespace zandrel {

// Tiles of nTileWidth x nTileHeight, row by row from the top left; tile i
// (counted over the whole grid, dropped ones included) is named
// "<name>_<i>". Tiles whose every texel has alpha 0 are dropped unless
// bKeepEmpty. Refused, with nothing appended, when a tile side is below 1 or
// the sheet is not a whole number of tiles in either direction (a partial
// tile would be cut silently otherwise), or when the grid has more than
// kMaxAtlasSprites tiles.
AtlasProblem CutSpriteSheet(const std::string& name, const SpriteImage& sheet, int nTileWidth, int nTileHeight,
                            bool bKeepEmpty, std::vector<Sprite>* pSprites);

}  // namespace zandrel

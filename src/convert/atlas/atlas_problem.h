// AtlasProblem: why sprites could not be cut or packed, as a value, and the
// sentence the command-line tool prints for it.
#pragma once

#include <cstddef>
#include <string>

namespace zandrel {

// More sprites than an atlas table should hold; also bounds what a sheet is cut into.
constexpr std::size_t kMaxAtlasSprites = 65536;

enum class AtlasRefusal {
    kNone,
    kBadPageSize,       // a page side that is not a power of two from 1 to 512
    kBadOption,         // padding or extrusion outside 0..512, alignment other than 1 or 4
    kNoSprites,         // nothing to pack (no input, or every tile empty)
    kTooManySprites,    // more than kMaxAtlasSprites
    kEmptySprite,       // a sprite of no texels
    kDuplicateName,     // two sprites named strSprite
    kSpriteTooLarge,    // strSprite, nWidth x nHeight, does not fit an empty page
    kBadTileSize,       // a tile side below 1
    kSheetNotWholeTiles,  // strSprite's nWidth x nHeight is no whole number of tiles
};

struct AtlasProblem {
    AtlasRefusal eRefusal = AtlasRefusal::kNone;
    std::string strSprite;  // the sprite or sheet refused
    int nWidth = 0, nHeight = 0;            // the sprite's or sheet's size
    int nLimitWidth = 0, nLimitHeight = 0;  // the page or tile size it was held against
    // kSpriteTooLarge: the texels the sprite takes with its padding and extrusion.
    int nNeedWidth = 0, nNeedHeight = 0;

    bool Refused() const { return eRefusal != AtlasRefusal::kNone; }
};

// One English sentence fragment, e.g. "sprite ship is 600x20 texels (604x24
// with padding and extrusion), larger than the 512x512 page".
std::string DescribeAtlasProblem(const AtlasProblem& problem);

}  // namespace zandrel

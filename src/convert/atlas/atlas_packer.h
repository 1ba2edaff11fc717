// PackAtlas: sprites placed on as few power-of-two pages as the packer finds,
// and the table of where each one lies.
//
// Placement depends only on the sprites' sizes and names and the options,
// never on the order of the input: sprites are packed tallest cell first,
// then widest, then by name (bytewise); the table keeps the input order.
// A page is filled by one skyline pass (stb_rect_pack), the sprites left
// over start the next page, and each page is then made the smallest power of
// two that holds its sprites (repacking them into a smaller one when that
// holds them all).
#pragma once

#include <vector>

#include "convert/atlas/atlas_problem.h"
#include "convert/atlas/sprite.h"

namespace zandrel {

constexpr int kMaxAtlasPageSize = 512;   // the GE samples at most 512 texels a side
constexpr int kMaxAtlasMargin = 512;     // padding and extrusion: any more fits no page

struct AtlasOptions {
    int nPageWidth = 512;   // powers of two, 1 to 512: the largest page
    int nPageHeight = 512;
    int nPadding = 1;       // transparent texels between sprites' extrusions and at page edges
    int nExtrude = 0;       // copies of each edge texel around a sprite
    // 1, or 4 for block-compressed pages: every sprite's x and y a multiple of
    // 4, and each sprite's cell (w + 2 extrude + padding, likewise in y)
    // rounded up to whole blocks.
    int nAlignment = 1;
};

struct AtlasPage {
    int nWidth = 0;   // powers of two, at most the options' page size
    int nHeight = 0;
};

// One row per sprite: its texels lie at x, y on page nPage (w x h, without
// padding and extrusion); offset and source size as the sprite gave them.
struct AtlasEntry {
    int nPage = 0;
    int x = 0, y = 0, w = 0, h = 0;
    int nOffsetX = 0, nOffsetY = 0;
    int nSourceWidth = 0, nSourceHeight = 0;
};

struct PackedAtlas {
    AtlasProblem problem;               // refused: no pages and no entries
    AtlasOptions options;               // as packed, for the compositor
    std::vector<AtlasPage> pages;
    std::vector<AtlasEntry> entries;    // in the order of the input sprites
};

// Every sprite placed, or the atlas refused with the reason (the first
// offending sprite by name) and nothing placed.
PackedAtlas PackAtlas(const std::vector<Sprite>& sprites, const AtlasOptions& options);

}  // namespace zandrel

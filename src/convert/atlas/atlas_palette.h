// QuantizeAtlasPages: one colour table for every page of a t8 or t4 atlas,
// made over all its sprites, and each page's indices into it.
#pragma once

#include <cstdint>
#include <vector>

#include "convert/atlas/sprite.h"
#include "convert/image.h"
#include "convert/report.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

struct IndexedPages {
    PaletteColor colors[256] = {};
    int nColorCount = 0;
    std::vector<std::vector<std::uint8_t>> indices;  // one index a texel, a vector a page
};

// The palette is quantised (to --colors, else 16 entries for t4 and 256 for
// t8, judged in the CLUT format) over every texel of `sprites` once, plus one
// transparent texel so that padding has its entry; each page is then
// remapped, error-diffused with --dither.
// The only call atlases make into the quantiser.
Refusal QuantizeAtlasPages(const std::vector<Sprite>& sprites, const std::vector<SpriteImage>& pages,
                           const TextureOptions& options, IndexedPages* pResult);

}  // namespace zandrel

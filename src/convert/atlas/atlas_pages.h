// EncodeAtlasPages: the pages of a packed atlas composed and encoded as GE
// textures; AtlasAlignment, where a format wants its sprites to start.
#pragma once

#include <vector>

#include "convert/atlas/atlas_packer.h"
#include "convert/atlas/sprite.h"
#include "convert/image.h"
#include "convert/report.h"
#include "convert/texture/encoder.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// The sprites of an atlas, ready to pack.
struct AtlasSprites {
    std::vector<Sprite> colour;   // RGBA8 (sprite_source.h): what is packed and shown
    // Palette inputs that all share one palette: the same sprites as
    // IndexTexels, and that palette; empty otherwise.
    std::vector<Sprite> indices;
    PaletteColor palette[256] = {};
    int nColorCount = 0;
};

// The texel alignment of sprites on a page of the format (AtlasOptions::nAlignment).
// DXT sprites start on a block, so no block mixes two sprites.
inline int AtlasAlignment(TextureFormat eFormat)
{
    return IsDxtFormat(eFormat) ? 4 : 1;
}

// One texture a page, each a power of two, encoded with the options. t8 and
// t4 pages share one CLUT: the inputs' own palette when they share one whose
// indices the format holds and which has a transparent entry for the
// padding (its first entry that shows transparent, else the one after its
// colours), else one quantised over all sprites (atlas_palette.h). The key
// and the transparent index are in the colour texels already. A refusal
// fills nothing; *pDetail as EncodeTexture gives it.
Refusal EncodeAtlasPages(const AtlasSprites& sprites, const PackedAtlas& atlas, const TextureOptions& options,
                         std::vector<EncodedTexture>* pPages, int* pDetail);

}  // namespace zandrel

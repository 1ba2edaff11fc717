// From a decoded image to the bytes of a GE texture: texels in their stored
// (and possibly swizzled) place, and for index formats the colour table (CLUT).
#pragma once

#include <cstdint>
#include <vector>

#include "convert/image.h"
#include "convert/large_buffer.h"
#include "convert/report.h"
#include "convert/texture/layout.h"
#include "convert/pixel_format.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// A mip level below level 0, laid out and packed as level 0 is.
struct MipLevel {
    TextureLayout layout;  // nWidth, nHeight: level 0's halved as often as the level's texture sides
    LargeBuffer texels;    // layout.nBytes
};

struct EncodedTexture {
    TextureLayout layout;
    LargeBuffer texels;               // layout.nBytes, padding 0
    std::vector<MipLevel> mips;       // levels 1, 2, ...: each reduced from the one above
    TextureFormat eClutFormat = TextureFormat::k8888;
    std::vector<std::uint8_t> clut;   // index formats: whole 32-byte blocks
    int nClutEntries = 0;
    int nClutColors = 0;              // entries in use: every texel's index is below it
};

// A palette image's palette as 256 blue, green, red, alpha entries, with the
// entries that must be transparent black (beyond the colour count, the
// transparent index, the key colour) all zero and marked.
struct EffectivePalette {
    std::uint8_t bgra[256][4] = {};
    bool bCleared[256] = {};
};
EffectivePalette MakeEffectivePalette(const IndexedImage& indexed, const TextureOptions& options);

// The CLUT of the first nColors entries: each rounded like a texel (a
// cleared one zero), padded with zero entries to nNeeded, then to whole
// 32-byte blocks. False when the memory cannot be had.
bool BuildClut(const EffectivePalette& palette, int nColors, int nNeeded, TextureFormat eClutFormat,
               int nAlphaThreshold, std::vector<std::uint8_t>* pClut, int* pnEntries);

// The highest index a palette image uses; -1 for no pixels.
int HighestIndexUsed(const IndexedImage& indexed);

// Fills *pTexture. On a refusal nothing is filled; *pDetail then holds the
// highest index used for Refusal::kTextureIndexTooLarge.
Refusal EncodeTexture(const DecodedImage& image, const TextureOptions& options, EncodedTexture* pTexture,
                      int* pDetail);

// The texels of an index format from a palette image whose indices are final
// (its colours are not read); the CLUT is the caller's to fill.
Refusal EncodeIndexTexels(const DecodedImage& indices, const TextureOptions& options, EncodedTexture* pTexture,
                          int* pDetail);

}  // namespace zandrel

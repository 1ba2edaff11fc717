// Palette textures (t8, t4) from any image: one palette planned for a set of
// images (one image, or every image of a shared CLUT), then each image's
// texels looked up in it.
//
//   PlannedPalette plan;
//   PlanPalette(images, nImages, options, &plan);         // once per palette
//   EncodePaletteTexture(image, options, plan, &texture); // per image
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/image.h"
#include "convert/quantize/quantize.h"
#include "convert/report.h"
#include "convert/texture/encoder.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// How a palette image's indices become texels without matching colours.
enum class PaletteSource {
    kOwnIndices,  // every image's own palette and indices, as they stand
    kRenumbered,  // the same palette's used entries, renumbered in index order
    kQuantized,   // entries chosen for the pixels; each pixel matched to one
};

struct PlannedPalette {
    PaletteSource eSource = PaletteSource::kOwnIndices;
    // The entries as the GE shows them, what pixels are matched against
    // (quantised, or dithered); an entry of alpha 0 is transparent.
    quantize::Palette shown;
    std::uint8_t renumber[256] = {};  // kRenumbered: each source index's texel index
    TextureFormat eClutFormat = TextureFormat::k8888;
    std::vector<std::uint8_t> clut;   // whole 32-byte blocks
    int nClutEntries = 0;
    int nColors = 0;                  // entries in use: every texel's index is below it
};

// The most entries the palette may have: options.nColors, else 256 for t8 and
// 16 for t4.
int PaletteColorLimit(const TextureOptions& options);

// Plans the palette of options.eFormat (t8 or t4) for the images, each pixel
// counting once. Palette images that all have the same palette, when the
// indices they use are below the limit, keep it as it stands; when they use
// no more entries than the limit, those entries are renumbered from 0 in the
// order of their indices. Anything else is quantised to the limit for
// options.eClutFormat. options.nTransparentIndex and the key colour make
// palette entries transparent first, as for every texture.
Refusal PlanPalette(const DecodedImage* const* ppImages, std::size_t nImages, const TextureOptions& options,
                    PlannedPalette* pPlan);

// The texels of one of the planned images (options.bDither: Floyd-Steinberg
// against the shown entries) with the plan's CLUT.
Refusal EncodePaletteTexture(const DecodedImage& image, const TextureOptions& options, const PlannedPalette& plan,
                             EncodedTexture* pTexture, int* pDetail);

}  // namespace zandrel

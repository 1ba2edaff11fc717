// Mip chains: the levels below a texture's level 0, each reduced from the
// 8-bit texels of the level above (before packing) and packed like level 0.
#pragma once

#include <cstdint>

#include "convert/image.h"
#include "convert/quantize/quantize.h"
#include "convert/report.h"
#include "convert/texture/encoder.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// The levels below level 0 that nMipmaps asks of a texture of these sides:
// nMipmaps itself (a side of 1 stays 1, so any count can be made), or for
// kMipmapsMax the halvings until both sides are 1, at most kMaxMipmaps.
int MipLevelCount(int nMipmaps, std::int64_t nTextureWidth, std::int64_t nTextureHeight);

// Adds to *pTexture, whose level 0 is encoded from image, the levels
// options.nMipmaps asks for. The texels reduced are the texture's: the image
// as shown, padded with transparent black by --pow2; without --pow2 the
// image's sides must be powers of two (kMipmapsNeedPowerOfTwo). pPalette:
// for t8/t4, the entries each reduced texel is matched to (error-diffused
// with options.bDither), null for the direct and DXT formats.
Refusal EncodeMipLevels(const DecodedImage& image, const TextureOptions& options, const quantize::Palette* pPalette,
                        EncodedTexture* pTexture);

}  // namespace zandrel

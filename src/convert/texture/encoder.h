// From a decoded image to the bytes of a GE texture: texels in their stored
// (and possibly swizzled) place, and for index formats the colour table (CLUT).
#pragma once

#include <cstdint>
#include <vector>

#include "convert/image.h"
#include "convert/large_buffer.h"
#include "convert/report.h"
#include "convert/texture/layout.h"
#include "convert/texture/pixel_format.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

struct EncodedTexture {
    TextureLayout layout;
    LargeBuffer texels;               // layout.nBytes, padding 0
    TextureFormat eClutFormat = TextureFormat::k8888;
    std::vector<std::uint8_t> clut;   // index formats: whole 32-byte blocks
    int nClutEntries = 0;
};

// Fills *pTexture. On a refusal nothing is filled; *pDetail then holds the
// highest index used for Refusal::kTextureIndexTooLarge.
Refusal EncodeTexture(const DecodedImage& image, const TextureOptions& options, EncodedTexture* pTexture,
                      int* pDetail);

}  // namespace zandrel

// ShownBgra: a decoded image's pixels as a texture shows them before
// rounding, the one source of texels for quantising, DXT and atlases.
#pragma once

#include <cstdint>

#include "convert/image.h"
#include "convert/large_buffer.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// Blue, green, red, alpha a pixel, rows top first and back to back: palette
// images through their effective palette (an index past the colour count,
// the transparent index and the key colour transparent black), true-colour
// pixels of the key colour transparent black. A true-colour image without a
// key is returned where it is; otherwise the pixels are made in *pBuffer.
// Null when the memory cannot be had.
const std::uint8_t* ShownBgra(const DecodedImage& image, const TextureOptions& options, LargeBuffer* pBuffer);

// The image as shown (ShownBgra) in the top left of nWidth x nHeight texels
// (at least the image's sides), the rest transparent black: what a texture
// padded by --pow2 holds before packing. False when the memory cannot be had.
bool PaddedShownBgra(const DecodedImage& image, const TextureOptions& options, std::int64_t nWidth,
                     std::int64_t nHeight, std::uint8_t* pOut);

}  // namespace zandrel

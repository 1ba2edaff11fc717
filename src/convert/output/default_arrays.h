// The true-colour path's arrays: one colour word per surface pixel, and for a
// 32-bit image one alpha byte per pixel, both row-major, top row first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/color16.h"
#include "convert/report.h"
#include "convert/bmp/dib_surface.h"
#include "convert/large_buffer.h"

namespace zandrel {

// Packs nPixels surface pixels (bytes blue, green, red, fourth) into colour
// words, and their fourth bytes into pAlpha unless it is null.
void PackSurfacePixels(const std::uint8_t* pBits, std::size_t nPixels, Color16* pWords, std::uint8_t* pAlpha);

// Fills pWords (and pAlpha for a 32-bit surface; it is left empty for 24
// bits) from a filled surface. kOutOfMemory when a buffer cannot be had,
// kBadHeader for a surface that holds no 24- or 32-bit image.
Refusal BuildTrueColorArrays(const CDibSurface& surface, LargeBuffer* pWords, LargeBuffer* pAlpha);

}  // namespace zandrel

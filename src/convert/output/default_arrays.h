// The default output's arrays made from a decoded image: one colour word per
// pixel (and one alpha byte for a 32-bit input) of a true-colour image, both
// row-major, top row first; the palette words of a palette image.
#pragma once

#include "convert/color16.h"
#include "convert/image.h"
#include "convert/large_buffer.h"
#include "convert/report.h"

namespace zandrel {

// Fills pWords (and pAlpha when the image has alpha; it is left empty
// otherwise). kOutOfMemory when a buffer cannot be had, kBadHeader for an
// image that holds no pixels.
Refusal BuildTrueColorArrays(const TrueColorImage& image, LargeBuffer* pWords, LargeBuffer* pAlpha);

// The colour words of every palette entry; the writers take the first
// nColorCount of them.
void PackPalette(const IndexedImage& image, Color16 (&palette)[256]);

}  // namespace zandrel

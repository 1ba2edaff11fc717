// DecodedImage: an input file decoded into memory, whatever its format, in
// the one of two shapes the converters take: a palette image (colours and one
// index byte a pixel) or a true-colour surface (blue, green, red, alpha; top
// row first). Readers fill it; converters never look at file bytes.
#pragma once

#include "convert/conversion_result.h"
#include "convert/dib_surface.h"
#include "convert/indexed_image.h"
#include "framework/cstring.h"

namespace zandrel {

// Which file formats an entry point takes. The desktop tool reads bitmaps
// only; the command-line tool reads PNG as well.
enum class InputFormats {
    kBmpOnly,
    kBmpAndPng,
};

struct DecodedImage {
    // 8: `indexed` holds the image. 24: `surface` holds it, every pixel
    // opaque. 32: `surface` holds it with the alpha the default output
    // writes. For a refused file: the depth its header gave, 0 when unknown.
    int nBitCount = 0;
    CDibSurface surface;
    IndexedImage indexed;
};

// Decodes the file by its signature. Refusal::kNone when *pImage was filled.
// The input is read completely and closed before this returns.
Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage);

}  // namespace zandrel

// A bitmap file read into a DecodedImage: the headers once, then the palette
// and rows of its depth (1, 4 and 8 bits: indexed; 16, 24 and 32: true colour).
#pragma once

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

// The depths a caller reads. The default output converts what the desktop
// tool converts; textures take the low depths too.
enum class BmpDepths {
    kDefaultOutput,  // 8, 24 and 32 bits; any other is kUnsupportedDepth
    kTexture,        // 1, 4, 8, 16, 24 and 32 bits; any other is kUnsupportedTextureDepth
};

// Reads the bitmap at the reader's start. Refusal::kNone when *pImage was
// filled. *pnBitCount gets the depth the headers give, 0 when they could not
// be read.
Refusal ReadBmpImage(ByteReader& reader, BmpDepths eDepths, DecodedImage* pImage, int* pnBitCount);

}  // namespace zandrel

// A bitmap file read into a DecodedImage: the headers once, then the palette
// and rows of its depth (8 bits: indexed; 24 and 32: true colour).
#pragma once

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

// Reads the bitmap at the reader's start. Refusal::kNone when *pImage was
// filled. *pnBitCount gets the depth the headers give, 0 when they could not
// be read; any depth but 8, 24 and 32 is refused as kUnsupportedDepth.
Refusal ReadBmpImage(ByteReader& reader, DecodedImage* pImage, int* pnBitCount);

}  // namespace zandrel

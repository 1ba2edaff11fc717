// The palette and rows of an 8-bit bitmap, uncompressed or RLE8, read into
// an IndexedImage once its headers have been read.
#pragma once

#include "convert/bmp/bmp_header.h"
#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

// Reads from the reader's position (the palette, where ReadBmpHeader left
// it). Refusal::kNone when *pImage was filled; it is left as it was otherwise.
Refusal ReadIndexedBitmap(ByteReader& reader, const BmpHeader& header, IndexedImage* pImage);

}  // namespace zandrel

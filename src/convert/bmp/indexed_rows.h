// The palette and rows of a 1-, 4- or 8-bit bitmap (uncompressed, RLE4 for
// 4 bits, RLE8 for 8 bits), read into an IndexedImage once its headers have
// been read.
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

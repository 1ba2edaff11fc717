// Decoder for run-length encoded pixel data: BI_RLE8 and BI_RLE4.
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"

namespace zandrel {

// Decodes the stream that starts at the reader's position into pRows, which
// holds nHeight rows of nWidth index bytes, top row first; the stream itself
// runs bottom row first. nBitCount is 8 (BI_RLE8: a byte a pixel) or 4
// (BI_RLE4: two pixels a byte, high nibble first, each run starting on a
// high nibble). Pixels the stream leaves alone become index 0. The
// compressed bytes are read in bounded chunks, never sized by a header field.
// Pixels a run puts into a row's alignment (past the width, within the row's
// stored length of whole 4-byte words) are dropped. Refuses a stream that
// writes past those or above the top row (kCorruptPixels), and one that ends
// before its end-of-bitmap code (kTruncated).
Refusal DecodeRunLength(ByteReader& reader, int nBitCount, std::int32_t nWidth, std::int32_t nHeight,
                        std::uint8_t* pRows);

}  // namespace zandrel

// Decoder for 8-bit run-length encoded pixel data (BI_RLE8).
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"

namespace zandrel {

// Decodes the stream that starts at the reader's position into pRows, which
// holds nHeight rows of nWidth bytes, top row first; the stream itself runs
// bottom row first. Pixels the stream leaves alone become index 0. The
// compressed bytes are read in bounded chunks, never sized by a header field.
// Bytes a run puts into a row's alignment bytes (past the width, within the
// width rounded up to 4) are dropped. Refuses a stream that writes past those
// or above the top row (kCorruptPixels), and one that ends before its
// end-of-bitmap code (kTruncated).
Refusal DecodeRle8(ByteReader& reader, std::int32_t nWidth, std::int32_t nHeight, std::uint8_t* pRows);

}  // namespace zandrel

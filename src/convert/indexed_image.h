// An 8-bit palette bitmap read into memory: packed palette and top-down rows.
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/color16.h"
#include "convert/conversion_result.h"
#include "convert/large_buffer.h"

namespace zandrel {

struct IndexedImage {
    Color16 palette[256] = {};
    int nColorCount = 0;
    int nWidth = 0;
    int nHeight = 0;
    LargeBuffer indices;  // nWidth * nHeight bytes, top row first
};

// Reads an 8-bit bitmap (uncompressed or RLE8, any header size) from reader.
// Refusal::kNone on success.
Refusal ReadIndexedImage(ByteReader& reader, IndexedImage* pImage);

}  // namespace zandrel

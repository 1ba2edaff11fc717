// An 8-bit palette bitmap read into memory: packed palette and top-down rows.
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/color16.h"
#include "convert/report.h"
#include "convert/large_buffer.h"

namespace zandrel {

// One palette entry as the file gives it; alpha is 255 where the file has
// none (every bitmap palette).
struct PaletteColor {
    std::uint8_t nRed = 0, nGreen = 0, nBlue = 0, nAlpha = 255;
};

struct IndexedImage {
    PaletteColor colors[256] = {};
    Color16 palette[256] = {};  // colors packed for the default output
    int nColorCount = 0;
    int nWidth = 0;
    int nHeight = 0;
    LargeBuffer indices;  // nWidth * nHeight bytes, top row first
};

// Reads an 8-bit bitmap (uncompressed or RLE8, any header size) from reader.
// Refusal::kNone on success.
Refusal ReadIndexedImage(ByteReader& reader, IndexedImage* pImage);

}  // namespace zandrel

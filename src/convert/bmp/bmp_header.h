// The headers of a BMP file, read and checked before any pixel is touched.
//
// Accepts the file header followed by any of the information headers in use:
// 12 (OS/2 core), 40, 52, 56, 64, 108 and 124 bytes. Everything the pixel
// decoders need is normalised here, so they never look at raw header bytes.
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"

namespace zandrel {

enum BmpCompression : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiJpeg = 4,
    kBiPng = 5,
    kBiAlphaBitfields = 6,
};

struct BmpHeader {
    std::uint32_t nPixelOffset = 0;  // bfOffBits, checked to lie after the palette and within the file
    std::uint32_t nInfoSize = 0;     // biSize
    std::int32_t nWidth = 0;         // as stored (may be zero or negative: callers decide)
    std::int32_t nHeight = 0;        // rows, always >= 0 (the sign is in bTopDown)
    bool bTopDown = false;           // biHeight was negative
    int nPlanes = 0;
    int nBitCount = 0;
    std::uint32_t nCompression = kBiRgb;
    // Channel masks; set for BI_BITFIELDS / BI_ALPHABITFIELDS and from
    // headers of 52 bytes or more. nAlphaMask is 0 when the file gives none.
    std::uint32_t nRedMask = 0, nGreenMask = 0, nBlueMask = 0, nAlphaMask = 0;
    bool bHasAlphaMask = false;
    // Palette: where it starts, how many entries and how wide each is
    // (3 bytes for the OS/2 core header, 4 otherwise).
    std::uint32_t nPaletteOffset = 0;
    std::uint32_t nPaletteCount = 0;
    std::uint32_t nPaletteEntrySize = 4;
};

// Reads the file header, the information header, any masks that follow it,
// and stops at the palette (the reader is left at nPaletteOffset).
// Refuses: no "BM" (kNotBitmap), an input that ends inside these (kTruncated),
// an unknown header size, a height of INT_MIN, a palette of more than 256
// entries for depths up to 8, or a pixel offset that lies inside the headers
// or palette or past the end of the input (kBadHeader); JPEG or PNG pixel
// data (kEmbeddedImage). An OS/2 1.x 8-bit palette holds as many three-byte
// entries as fit before the pixel offset, at most 256.
Refusal ReadBmpHeader(ByteReader& reader, BmpHeader* pHeader);

// Bytes per stored row of an uncompressed image: width x depth, rounded up to
// 4 bytes. Computed in 64 bits; 0 for a width that is not positive.
std::uint64_t BmpRowStride(std::int32_t nWidth, int nBitCount);

}  // namespace zandrel

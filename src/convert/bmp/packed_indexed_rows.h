// The uncompressed rows of a 1- or 4-bit bitmap, unpacked to one index byte a pixel.
#pragma once

#include <cstdint>

#include "convert/bmp/bmp_header.h"
#include "convert/byte_reader.h"
#include "convert/report.h"

namespace zandrel {

// Reads the stored rows at the reader's position into pRows (nWidth bytes a
// row, top row first), the leftmost pixel in a byte's highest bits. The
// caller has checked the depth (1 or 4), the sizes, and that the input holds
// every row; rows go through a small fixed buffer, however wide. kTruncated
// when a read fails all the same.
Refusal ReadPackedIndexRows(ByteReader& reader, const BmpHeader& header, std::uint8_t* pRows);

}  // namespace zandrel

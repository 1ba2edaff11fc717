// The channel masks a 16-bit bitmap's pixels are read with: 5-5-5 for BI_RGB,
// and the few mask sets of BI_BITFIELDS that 16-bit files use.
#pragma once

#include <cstdint>

#include "convert/bmp/bmp_header.h"
#include "convert/report.h"

namespace zandrel {

struct SixteenBitMasks {
    std::uint32_t nRed = 0, nGreen = 0, nBlue = 0;
    std::uint32_t nAlpha = 0;  // 0: the image is opaque
};

// BI_RGB is 5-5-5 with the top bit unused, whatever masks a large header
// holds. BI_BITFIELDS and BI_ALPHABITFIELDS take 5-6-5, 5-5-5 with the top
// bit unused or as alpha, and 4-4-4-4 with the top nibble unused or as
// alpha; an alpha mask counts only as the 32-bit reader counts one (from a
// 56-byte or larger header, or BI_ALPHABITFIELDS after a 40-byte one).
// kUnsupportedMasks16 for any other set, kUnsupportedFormat for any other
// compression (in the 64-byte OS/2 header 3 means Huffman coding).
Refusal ChooseSixteenBitMasks(const BmpHeader& header, SixteenBitMasks* pMasks);

}  // namespace zandrel

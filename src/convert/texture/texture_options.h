// What a GE texture is asked to be: its formats and encoding, and which of
// its files carry what.
#pragma once

#include <cstdint>

#include "convert/pixel_format.h"

namespace zandrel {

// The GE samples up to eight levels: level 0 and seven below it.
constexpr int kMaxMipmaps = 7;
// TextureOptions::nMipmaps: halve until both sides are 1, at most kMaxMipmaps times.
constexpr int kMipmapsMax = -1;

struct TextureOptions {
    // Encoding
    TextureFormat eFormat = TextureFormat::k8888;
    TextureFormat eClutFormat = TextureFormat::k8888;  // a direct format
    bool bPow2 = false;
    bool bSwizzle = false;
    bool bDither = false;
    int nAlphaThreshold = 128;
    bool bKey = false;
    std::uint32_t nKeyRgb = 0;    // 0xRRGGBB
    int nTransparentIndex = -1;   // a palette entry made transparent, -1 for none; t8/t4 quantised:
                                  // the entry every transparent pixel takes (-1: entry 0)
    int nColors = 0;              // t8/t4: entries at most, 0 for all the format holds (256, 16)
    int nMipmaps = 0;             // mip levels below level 0: 0 to kMaxMipmaps, or kMipmapsMax

    // Files
    bool bAddConst = true;        // declare the arrays const
    bool bWriteBinary = false;    // also write the raw .bin files
};

}  // namespace zandrel

// The GE's DXT blocks: what it decodes from endpoints (widened by shifting,
// not by bit replication) and the byte order it reads, which is not that of
// the S3TC blocks PC tools write (indices before endpoints, colour before alpha).
#pragma once

#include <cstdint>

namespace zandrel {

// Endpoints are RGB565 with red in the high bits. The GE uses four-colour
// mode when nColour0 > nColour1, otherwise three-colour mode, whose entry 3
// is transparent black.
struct ColourBlock {
    std::uint16_t nColour0 = 0, nColour1 = 0;
    std::uint8_t indices[16] = {};  // texel (x, y) at y * 4 + x
};

// The red, green and blue of the four entries the GE decodes.
struct ColourPalette {
    int rgb[4][3] = {};
};
ColourPalette DecodeColourPalette(std::uint16_t nColour0, std::uint16_t nColour1);

// DXT5: nAlpha0 > nAlpha1 gives eight interpolated values, otherwise six and
// then 0 and 255.
struct AlphaBlock {
    std::uint8_t nAlpha0 = 0, nAlpha1 = 0;
    std::uint8_t indices[16] = {};
};
void DecodeAlphaPalette(std::uint8_t nAlpha0, std::uint8_t nAlpha1, int palette[8]);

// 8 bytes: four index rows (two bits a texel, the left texel lowest), then
// the endpoints, little-endian.
void WriteColourBlock(const ColourBlock& block, std::uint8_t* pOut);
// 8 bytes: four little-endian 16-bit rows of 4-bit alpha, the left texel lowest.
void WriteDxt3Alpha(const std::uint8_t nibbles[16], std::uint8_t* pOut);
// 8 bytes: the 48 bits of 3-bit indices, little-endian, then the endpoints.
void WriteDxt5Alpha(const AlphaBlock& block, std::uint8_t* pOut);

}  // namespace zandrel

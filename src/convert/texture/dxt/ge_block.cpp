#include "convert/texture/dxt/ge_block.h"

namespace zandrel {

ColourPalette DecodeColourPalette(std::uint16_t nColour0, std::uint16_t nColour1)
{
    ColourPalette palette;
    const std::uint16_t colours[2] = {nColour0, nColour1};
    for (int i = 0; i < 2; ++i) {
        palette.rgb[i][0] = (colours[i] >> 8) & 0xF8;
        palette.rgb[i][1] = (colours[i] >> 3) & 0xFC;
        palette.rgb[i][2] = (colours[i] << 3) & 0xF8;
    }
    for (int c = 0; c < 3; ++c) {
        const int n0 = palette.rgb[0][c], n1 = palette.rgb[1][c];
        if (nColour0 > nColour1) {
            palette.rgb[2][c] = (2 * n0 + n1) / 3;
            palette.rgb[3][c] = (n0 + 2 * n1) / 3;
        } else {
            palette.rgb[2][c] = (n0 + n1) / 2;
            palette.rgb[3][c] = 0;
        }
    }
    return palette;
}

void DecodeAlphaPalette(std::uint8_t nAlpha0, std::uint8_t nAlpha1, int palette[8])
{
    palette[0] = nAlpha0;
    palette[1] = nAlpha1;
    // Weights in 8.8 fixed point, each term truncated, then +31 and a shift.
    const int nSteps = nAlpha0 > nAlpha1 ? 7 : 5;
    for (int n = 1; n < nSteps; ++n)
        palette[n + 1] = (nAlpha0 * ((nSteps - n) << 8) / nSteps + nAlpha1 * (n << 8) / nSteps + 31) >> 8;
    if (nSteps == 5) {
        palette[6] = 0;
        palette[7] = 255;
    }
}

void WriteColourBlock(const ColourBlock& block, std::uint8_t* pOut)
{
    for (int y = 0; y < 4; ++y) {
        const std::uint8_t* pRow = block.indices + 4 * y;
        pOut[y] = static_cast<std::uint8_t>(pRow[0] | pRow[1] << 2 | pRow[2] << 4 | pRow[3] << 6);
    }
    pOut[4] = static_cast<std::uint8_t>(block.nColour0);
    pOut[5] = static_cast<std::uint8_t>(block.nColour0 >> 8);
    pOut[6] = static_cast<std::uint8_t>(block.nColour1);
    pOut[7] = static_cast<std::uint8_t>(block.nColour1 >> 8);
}

void WriteDxt3Alpha(const std::uint8_t nibbles[16], std::uint8_t* pOut)
{
    for (int i = 0; i < 8; ++i)
        pOut[i] = static_cast<std::uint8_t>(nibbles[2 * i] | nibbles[2 * i + 1] << 4);
}

void WriteDxt5Alpha(const AlphaBlock& block, std::uint8_t* pOut)
{
    std::uint64_t nBits = 0;
    for (int i = 0; i < 16; ++i)
        nBits |= std::uint64_t{block.indices[i]} << (3 * i);
    for (int i = 0; i < 6; ++i)
        pOut[i] = static_cast<std::uint8_t>(nBits >> (8 * i));
    pOut[6] = block.nAlpha0;
    pOut[7] = block.nAlpha1;
}

}  // namespace zandrel

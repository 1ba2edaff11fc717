// A reader of GE DXT textures written from the GE's public decode rules, not
// from the encoder: shape of the texture, one texel at a time, and the rule
// each colour block's endpoints must obey. Shared by fuzz_dxt and the unit tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zandrel::fuzz {

// GE format ids 8, 9, 10.
inline int ModelBlockBytes(int nPsm)
{
    return nPsm == 8 ? 8 : 16;
}

// A row of blocks spans the padded width rounded like t4 (DXT1) or t8.
inline std::int64_t ModelBufferWidth(int nPsm, std::int64_t nWidth)
{
    const std::int64_t nPadded = (nWidth + 3) / 4 * 4, nUnit = nPsm == 8 ? 32 : 16;
    return (nPadded + nUnit - 1) / nUnit * nUnit;
}

inline std::int64_t ModelTextureBytes(int nPsm, std::int64_t nWidth, std::int64_t nHeight)
{
    return ModelBufferWidth(nPsm, nWidth) / 4 * ((nHeight + 3) / 4) * ModelBlockBytes(nPsm);
}

inline const std::uint8_t* ModelBlock(const std::uint8_t* pTexture, int nPsm, std::int64_t nBufferWidth,
                                      std::int64_t x, std::int64_t y)
{
    return pTexture + ((y / 4) * (nBufferWidth / 4) + x / 4) * ModelBlockBytes(nPsm);
}

inline int Word(const std::uint8_t* p)
{
    return p[0] | p[1] << 8;
}

// Red, green, blue, alpha of texel (x, y).
inline std::array<int, 4> ModelTexel(const std::uint8_t* pTexture, int nPsm, std::int64_t nBufferWidth,
                                     std::int64_t x, std::int64_t y)
{
    const std::uint8_t* pBlock = ModelBlock(pTexture, nPsm, nBufferWidth, x, y);
    const int nCol = static_cast<int>(x % 4), nRow = static_cast<int>(y % 4);
    const int nIndex = pBlock[nRow] >> (2 * nCol) & 3;
    const int c0 = Word(pBlock + 4), c1 = Word(pBlock + 6);
    // Endpoints widen by shifting: 0xFFFF reads as F8 FC F8.
    const int e0[3] = {c0 >> 11 << 3, (c0 >> 5 & 63) << 2, (c0 & 31) << 3};
    const int e1[3] = {c1 >> 11 << 3, (c1 >> 5 & 63) << 2, (c1 & 31) << 3};
    std::array<int, 4> texel{0, 0, 0, 255};
    for (int c = 0; c < 3; ++c) {
        const int mix[4] = {e0[c], e1[c], c0 > c1 ? (2 * e0[c] + e1[c]) / 3 : (e0[c] + e1[c]) / 2,
                            c0 > c1 ? (e0[c] + 2 * e1[c]) / 3 : 0};
        texel[c] = mix[nIndex];
    }
    if (nPsm == 8) {
        texel[3] = c0 <= c1 && nIndex == 3 ? 0 : 255;
    } else if (nPsm == 9) {
        texel[3] = (Word(pBlock + 8 + 2 * nRow) >> (4 * nCol) & 15) << 4;
    } else {
        std::uint64_t nBits = 0;
        for (int i = 0; i < 6; ++i)
            nBits |= std::uint64_t{pBlock[8 + i]} << (8 * i);
        const int nAlphaIndex = static_cast<int>(nBits >> (3 * (4 * nRow + nCol)) & 7);
        const int a0 = pBlock[14], a1 = pBlock[15];
        if (nAlphaIndex < 2)
            texel[3] = nAlphaIndex ? a1 : a0;
        else if (a0 > a1)
            texel[3] = (a0 * ((8 - nAlphaIndex) << 8) / 7 + a1 * ((nAlphaIndex - 1) << 8) / 7 + 31) >> 8;
        else if (nAlphaIndex < 6)
            texel[3] = (a0 * ((6 - nAlphaIndex) << 8) / 5 + a1 * ((nAlphaIndex - 1) << 8) / 5 + 31) >> 8;
        else
            texel[3] = nAlphaIndex == 6 ? 0 : 255;
    }
    return texel;
}

// Four-colour mode: colour0 > colour1, or equal endpoints and every index 0.
// Three-colour mode: colour0 <= colour1.
inline bool ModelFourColour(const std::uint8_t* pBlock)
{
    const int c0 = Word(pBlock + 4), c1 = Word(pBlock + 6);
    const bool bZeroIndices = (pBlock[0] | pBlock[1] | pBlock[2] | pBlock[3]) == 0;
    return c0 > c1 || (c0 == c1 && bZeroIndices);
}
inline bool ModelThreeColour(const std::uint8_t* pBlock)
{
    return Word(pBlock + 4) <= Word(pBlock + 6);
}

}  // namespace zandrel::fuzz

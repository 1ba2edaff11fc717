// Mip levels: level n + 1 from level n's 8-bit texels, alpha-weighted so that
// transparent texels do not darken the edges of what is drawn.
#pragma once

#include <cstdint>

namespace zandrel {

// A side of the next level: halved, a side of 1 stays 1.
inline int NextMipSide(int nSide)
{
    return nSide > 1 ? nSide / 2 : 1;
}

// pTexels: nWidth x nHeight texels of 4 bytes, alpha last (the colour bytes
// in any order), top row first, no row padding. Writes NextMipSide(nWidth) x
// NextMipSide(nHeight) texels to pOut, each from the 2 x 2 texels it covers
// (2 x 1 or 1 x 2 where a side is 1). With k texels and A the sum of their
// alphas: alpha = (A + k/2) / k; each colour channel = (sum(c * a) + A/2) / A
// when A > 0, else (sum(c) + k/2) / k; integer division. An odd side's last
// texel is covered by none (mip chains have power-of-two sides).
void ReduceMip(const std::uint8_t* pTexels, int nWidth, int nHeight, std::uint8_t* pOut);

}  // namespace zandrel

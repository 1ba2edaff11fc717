#include "convert/texture/mipmap.h"

#include <cstddef>

namespace zandrel {

void ReduceMip(const std::uint8_t* pTexels, int nWidth, int nHeight, std::uint8_t* pOut)
{
    const int nOutWidth = NextMipSide(nWidth), nOutHeight = NextMipSide(nHeight);
    const int nSpanX = nWidth > 1 ? 2 : 1, nSpanY = nHeight > 1 ? 2 : 1;
    const std::uint32_t k = static_cast<std::uint32_t>(nSpanX * nSpanY);
    const std::size_t nStride = static_cast<std::size_t>(nWidth) * 4;
    for (int y = 0; y < nOutHeight; ++y) {
        for (int x = 0; x < nOutWidth; ++x) {
            std::uint32_t nAlpha = 0, weighted[3] = {}, plain[3] = {};
            for (int dy = 0; dy < nSpanY; ++dy) {
                const std::uint8_t* pTexel = pTexels + static_cast<std::size_t>(y * nSpanY + dy) * nStride +
                                             static_cast<std::size_t>(x * nSpanX) * 4;
                for (int dx = 0; dx < nSpanX; ++dx, pTexel += 4) {
                    nAlpha += pTexel[3];
                    for (int c = 0; c < 3; ++c) {
                        weighted[c] += std::uint32_t{pTexel[c]} * pTexel[3];
                        plain[c] += pTexel[c];
                    }
                }
            }
            std::uint8_t* pResult = pOut + (static_cast<std::size_t>(y) * static_cast<std::size_t>(nOutWidth) + x) * 4;
            for (int c = 0; c < 3; ++c)
                pResult[c] = static_cast<std::uint8_t>(nAlpha ? (weighted[c] + nAlpha / 2) / nAlpha : (plain[c] + k / 2) / k);
            pResult[3] = static_cast<std::uint8_t>((nAlpha + k / 2) / k);
        }
    }
}

}  // namespace zandrel

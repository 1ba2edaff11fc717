// Fuzzes the DXT encoder and the mip reduction: any image, format and
// threshold gives the same bytes twice, blocks that obey the GE's mode rules,
// transparency exactly where DXT1 asks for it, and texels within a bound any
// sane fit meets (a block no worse than its mean colour, DXT3 alpha the
// nearest nibble, DXT5 alpha within its range's step); every mip level is the
// one above reduced by the rule (fuzz/ge_model.h).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/texture/dxt/dxt_encoder.h"
#include "convert/texture/mipmap.h"
#include "dxt_model.h"
#include "fuzz_support.h"
#include "ge_model.h"

namespace zandrel::fuzz {
namespace {

using Image = std::vector<std::uint8_t>;  // blue, green, red, alpha

void CheckBlock(const Image& image, int nWidth, int nHeight, int nPsm, int nThreshold, const std::uint8_t* pTexture,
                std::int64_t nBufferWidth, int bx, int by)
{
    const std::uint8_t* pBlock = ModelBlock(pTexture, nPsm, nBufferWidth, bx * 4, by * 4);
    bool bTransparent = false;
    double weightSum = 0, sums[3] = {}, decodedError = 0, alphaError = 0;
    int nMinAlpha = 255, nMaxAlpha = 0;
    double weights[16];
    int source[16][4];
    for (int i = 0; i < 16; ++i) {
        // Padding repeats the edge texels.
        const int x = std::min(bx * 4 + i % 4, nWidth - 1), y = std::min(by * 4 + i / 4, nHeight - 1);
        const std::uint8_t* p = &image[(static_cast<std::size_t>(y) * nWidth + x) * 4];
        source[i][0] = p[2], source[i][1] = p[1], source[i][2] = p[0], source[i][3] = p[3];
        const bool bCut = nPsm == 8 && p[3] < nThreshold;
        bTransparent |= bCut;
        weights[i] = nPsm == 8 ? (bCut ? 0 : 1) : double(p[3] + 1) * (p[3] + 1);
        weightSum += weights[i];
        for (int c = 0; c < 3; ++c)
            sums[c] += weights[i] * source[i][c];
        nMinAlpha = std::min(nMinAlpha, source[i][3]);
        nMaxAlpha = std::max(nMaxAlpha, source[i][3]);
    }
    Check(bTransparent ? ModelThreeColour(pBlock) : ModelFourColour(pBlock), "the block's mode fits its texels");
    double meanError = 0;
    for (int i = 0; i < 16; ++i) {
        const auto texel = ModelTexel(pTexture, nPsm, nBufferWidth, bx * 4 + i % 4, by * 4 + i / 4);
        for (int c = 0; c < 3 && weightSum > 0; ++c) {
            const double mean = sums[c] / weightSum;
            decodedError += weights[i] * (source[i][c] - texel[c]) * (source[i][c] - texel[c]);
            meanError += weights[i] * (source[i][c] - mean) * (source[i][c] - mean);
        }
        const int a = source[i][3];
        if (nPsm == 8) {
            Check(texel[3] == (weights[i] > 0 ? 255 : 0), "DXT1 is transparent exactly below the threshold");
        } else if (nPsm == 9) {
            const int nNearest = std::min(15, (a + 8) / 16) * 16;
            Check(std::abs(a - texel[3]) == std::abs(a - nNearest), "DXT3 alpha is the nearest nibble");
        } else {
            alphaError += double(a - texel[3]) * (a - texel[3]);
        }
    }
    // Any channel's nearest value under shift widening is within 7.5 of the mean.
    Check(decodedError <= meanError + weightSum * (7.5 * 7.5 * 2 + 3.5 * 3.5) + 1e-6 * weightSum,
          "a block is no worse than its mean colour");
    const double step = (nMaxAlpha - nMinAlpha) / 14.0 + 1;
    Check(alphaError <= 16 * step * step, "DXT5 alpha is within its range's step");
}

void CheckTexture(const Image& image, int nWidth, int nHeight, int nPsm, int nThreshold)
{
    DxtLayout layout;
    Check(ComputeDxtLayout(static_cast<DxtFormat>(nPsm), nWidth, nHeight, 1 << 30, &layout) &&
              layout.nBufferWidth == ModelBufferWidth(nPsm, nWidth) &&
              layout.nBytes == ModelTextureBytes(nPsm, nWidth, nHeight),
          "the layout is the GE's");
    std::vector<std::uint8_t> texture(static_cast<std::size_t>(layout.nBytes), 0xCD), again(texture);
    EncodeDxt(layout, image.data(), nThreshold, texture.data());
    EncodeDxt(layout, image.data(), nThreshold, again.data());
    Check(texture == again, "the same input gives the same bytes");
    const int nBlocksWide = (nWidth + 3) / 4;
    for (int by = 0; by < (nHeight + 3) / 4; ++by) {
        for (int bx = 0; bx < nBlocksWide; ++bx)
            CheckBlock(image, nWidth, nHeight, nPsm, nThreshold, texture.data(), layout.nBufferWidth, bx, by);
        for (std::int64_t x = nBlocksWide * 4; x < layout.nBufferWidth; x += 4) {
            const std::uint8_t* pBlock = ModelBlock(texture.data(), nPsm, layout.nBufferWidth, x, by * 4);
            Check(std::all_of(pBlock, pBlock + ModelBlockBytes(nPsm), [](std::uint8_t b) { return b == 0; }),
                  "blocks past the image are zero");
        }
    }
}

}  // namespace

// Input: format, width - 1, height - 1, threshold, a palette size, then the
// bytes the texels take (cycled; with a palette size n > 0, the first 4n
// bytes are the colours and each later byte picks one, so blocks of few
// colours and runs of equal texels are common).
int FuzzDxt(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 5)
        return 0;
    const int nPsm = 8 + pData[0] % 3, nWidth = 1 + pData[1] % 40, nHeight = 1 + pData[2] % 40;
    const int nThreshold = pData[3], nColours = pData[4] % 9;
    const std::uint8_t* pBytes = pData + 5;
    const std::size_t nBytes = nSize - 5;
    Image image(static_cast<std::size_t>(nWidth) * nHeight * 4, 0);
    for (std::size_t i = 0; nBytes > 0 && i < image.size(); ++i) {
        if (nColours == 0 || nBytes <= 4u * nColours) {
            image[i] = pBytes[i % nBytes];
        } else {
            const std::size_t nPick = pBytes[4u * nColours + (i / 4) % (nBytes - 4u * nColours)] % nColours;
            image[i] = pBytes[4 * nPick + i % 4];
        }
    }
    CheckTexture(image, nWidth, nHeight, nPsm, nThreshold);
    // The mip chain of the image, each level encoded as well.
    for (int w = nWidth, h = nHeight; w > 1 || h > 1;) {
        Image next(static_cast<std::size_t>(NextMipSide(w)) * NextMipSide(h) * 4);
        ReduceMip(image.data(), w, h, next.data());
        Check(next == GeReducedMip(image, w, h), "a mip level is not the one above reduced by the rule");
        image.swap(next);
        w = NextMipSide(w), h = NextMipSide(h);
        CheckTexture(image, w, h, nPsm, nThreshold);
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzDxt)

#include "convert/texture/dxt/dxt_encoder.h"

#include <algorithm>
#include <cstring>

#include "convert/texture/dxt/alpha_fit.h"
#include "convert/texture/dxt/colour_fit.h"
#include "convert/texture/dxt/ge_block.h"
#include "convert/texture/dxt/squish_start.h"

namespace zandrel {
namespace {

// texels: 16 x (blue, green, red, alpha). Writes one GE block at pOut.
void EncodeBlock(DxtFormat eFormat, const std::uint8_t* texels, int nAlphaThreshold, std::uint8_t* pOut)
{
    std::uint8_t rgba[64], alpha[16];
    ColourTexels colour;
    bool bTransparent = false, bOpaque = false;
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t* pTexel = texels + 4 * i;
        alpha[i] = pTexel[3];
        for (int c = 0; c < 3; ++c) {
            colour.rgb[i][c] = pTexel[2 - c];
            rgba[4 * i + c] = pTexel[2 - c];
        }
        rgba[4 * i + 3] = pTexel[3];
        if (eFormat != DxtFormat::kDxt1) {
            // Squared error weighted by alpha squared: the error of premultiplied colour.
            colour.weights[i] = static_cast<std::uint32_t>((alpha[i] + 1) * (alpha[i] + 1));
            continue;
        }
        const bool bKept = alpha[i] >= nAlphaThreshold;
        colour.weights[i] = bKept ? 1 : 0;
        rgba[4 * i + 3] = bKept ? 255 : 0;
        (bKept ? bOpaque : bTransparent) = true;
    }
    const ColourMode eMode = bTransparent ? ColourMode::kThree : ColourMode::kFour;
    SquishStart squish;
    ColourBlock block;
    if (bOpaque || eFormat != DxtFormat::kDxt1) {
        squish = SquishFit(rgba, eFormat, bTransparent);
        const std::uint16_t nMean = WeightedMeanColour(colour);
        const std::uint16_t starts[3][2] = {{squish.colours[0], squish.colours[1]},
                                            {RequantiseForShift(squish.colours[0]), RequantiseForShift(squish.colours[1])},
                                            {nMean, nMean}};
        block = FitColourBlock(colour, eMode, starts, 3);
    } else {
        block = FitColourBlock(colour, eMode, nullptr, 0);  // every texel transparent
    }
    WriteColourBlock(block, pOut);
    if (eFormat == DxtFormat::kDxt3) {
        std::uint8_t nibbles[16];
        FitDxt3Alpha(alpha, nibbles);
        WriteDxt3Alpha(nibbles, pOut + 8);
    } else if (eFormat == DxtFormat::kDxt5) {
        WriteDxt5Alpha(FitDxt5Alpha(alpha, squish.alphas[0], squish.alphas[1]), pOut + 8);
    }
}

}  // namespace

void EncodeDxt(const DxtLayout& layout, const std::uint8_t* pBgra, int nAlphaThreshold, std::uint8_t* pOut)
{
    std::memset(pOut, 0, static_cast<std::size_t>(layout.nBytes));
    const std::int64_t nBlockBytes = DxtBlockBytes(layout.eFormat);
    const std::int64_t nImageBlocksWide = (layout.nWidth + 3) / 4;
    std::uint8_t texels[64];
    for (std::int64_t by = 0; by < layout.nBlocksHigh; ++by) {
        for (std::int64_t bx = 0; bx < nImageBlocksWide; ++bx) {
            for (int i = 0; i < 16; ++i) {
                const std::int64_t x = std::min(bx * 4 + (i & 3), layout.nWidth - 1);
                const std::int64_t y = std::min(by * 4 + (i >> 2), layout.nHeight - 1);
                std::memcpy(texels + 4 * i, pBgra + (y * layout.nWidth + x) * 4, 4);
            }
            EncodeBlock(layout.eFormat, texels, nAlphaThreshold, pOut + (by * layout.nBlocksWide + bx) * nBlockBytes);
        }
    }
}

}  // namespace zandrel

// ChooseSixteenBitMasks: BI_RGB's fixed 5-5-5, or one of the mask sets 16-bit files use.
#include "convert/bmp/sixteen_bit_masks.h"

namespace zandrel {
namespace {

struct KnownSet {
    SixteenBitMasks colors;
    std::uint32_t nAlphaBits;  // the bits left free, which an alpha mask may take
};

constexpr KnownSet kKnownSets[] = {
    {{0xF800, 0x07E0, 0x001F, 0}, 0},
    {{0x7C00, 0x03E0, 0x001F, 0}, 0x8000},
    {{0x0F00, 0x00F0, 0x000F, 0}, 0xF000},
};

}  // namespace

Refusal ChooseSixteenBitMasks(const BmpHeader& header, SixteenBitMasks* pMasks)
{
    if (header.nBitCount != 16)
        return Refusal::kUnsupportedDepth;
    if (header.nCompression == kBiRgb) {
        *pMasks = kKnownSets[1].colors;
        return Refusal::kNone;
    }
    const bool bMasks = header.nCompression == kBiBitfields || header.nCompression == kBiAlphaBitfields;
    if (!bMasks || header.nInfoSize == 64)
        return Refusal::kUnsupportedFormat;
    // A zero alpha mask says "no alpha", as a header without one does.
    const std::uint32_t nAlpha = header.bHasAlphaMask ? header.nAlphaMask : 0;
    for (const KnownSet& set : kKnownSets) {
        if (header.nRedMask == set.colors.nRed && header.nGreenMask == set.colors.nGreen &&
            header.nBlueMask == set.colors.nBlue && (nAlpha == 0 || nAlpha == set.nAlphaBits)) {
            *pMasks = set.colors;
            pMasks->nAlpha = nAlpha;
            return Refusal::kNone;
        }
    }
    return Refusal::kUnsupportedMasks16;
}

}  // namespace zandrel

#include "convert/texture/dxt/alpha_fit.h"

#include <algorithm>

namespace zandrel {
namespace {

struct Candidate {
    AlphaBlock block;
    std::uint32_t nError = 0;
};

Candidate Evaluate(const std::uint8_t alpha[16], int nAlpha0, int nAlpha1)
{
    Candidate candidate;
    candidate.block.nAlpha0 = static_cast<std::uint8_t>(nAlpha0);
    candidate.block.nAlpha1 = static_cast<std::uint8_t>(nAlpha1);
    int palette[8];
    DecodeAlphaPalette(candidate.block.nAlpha0, candidate.block.nAlpha1, palette);
    for (int i = 0; i < 16; ++i) {
        std::uint32_t nBest = ~std::uint32_t{0};
        for (int e = 0; e < 8; ++e) {
            const int nDelta = alpha[i] - palette[e];
            const auto nDistance = static_cast<std::uint32_t>(nDelta * nDelta);
            if (nDistance < nBest) {
                nBest = nDistance;
                candidate.block.indices[i] = static_cast<std::uint8_t>(e);
            }
        }
        candidate.nError += nBest;
    }
    return candidate;
}

Candidate Refine(const std::uint8_t alpha[16], Candidate best)
{
    for (int nPass = 0; nPass < 64 && best.nError > 0; ++nPass) {
        bool bImproved = false;
        for (int nEndpoint = 0; nEndpoint < 2; ++nEndpoint) {
            for (const int nStep : {-1, 1}) {
                int endpoints[2] = {best.block.nAlpha0, best.block.nAlpha1};
                endpoints[nEndpoint] += nStep;
                if (endpoints[nEndpoint] < 0 || endpoints[nEndpoint] > 255)
                    continue;
                const Candidate candidate = Evaluate(alpha, endpoints[0], endpoints[1]);
                if (candidate.nError < best.nError) {
                    best = candidate;
                    bImproved = true;
                }
            }
        }
        if (!bImproved)
            break;
    }
    return best;
}

}  // namespace

void FitDxt3Alpha(const std::uint8_t alpha[16], std::uint8_t nibbles[16])
{
    for (int i = 0; i < 16; ++i)
        nibbles[i] = static_cast<std::uint8_t>(std::min(15, (alpha[i] + 8) >> 4));
}

AlphaBlock FitDxt5Alpha(const std::uint8_t (&alpha)[16], std::uint8_t nSquishAlpha0, std::uint8_t nSquishAlpha1)
{
    int nMin = 255, nMax = 0, nInnerMin = 255, nInnerMax = 0;
    for (const int nAlpha : alpha) {
        nMin = std::min(nMin, nAlpha);
        nMax = std::max(nMax, nAlpha);
        if (nAlpha != 0 && nAlpha != 255) {
            nInnerMin = std::min(nInnerMin, nAlpha);
            nInnerMax = std::max(nInnerMax, nAlpha);
        }
    }
    if (nInnerMin > nInnerMax)
        nInnerMin = nInnerMax = nMin;
    // Eight-value mode over the whole range; six values and 0/255 over the rest.
    const int starts[3][2] = {{nSquishAlpha0, nSquishAlpha1}, {nMax, nMin}, {nInnerMin, nInnerMax}};
    Candidate best;
    for (int s = 0; s < 3; ++s) {
        const Candidate refined = Refine(alpha, Evaluate(alpha, starts[s][0], starts[s][1]));
        if (s == 0 || refined.nError < best.nError)
            best = refined;
    }
    return best.block;
}

}  // namespace zandrel

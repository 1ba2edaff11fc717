#include "convert/texture/dxt/colour_fit.h"

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

// Channel c of an RGB565 value: its bit offset and largest value.
constexpr int kShift[3] = {11, 5, 0};
constexpr int kMax[3] = {31, 63, 31};

int NearestUnderShift(int nValue, int nChannel)
{
    const int nBits = nChannel == 1 ? 2 : 3;
    const int nQuantum = (nValue + (1 << (nBits - 1))) >> nBits;
    return std::min(nQuantum, kMax[nChannel]);
}

struct Candidate {
    ColourBlock block;
    std::uint64_t nError = 0;
};

// Orders the endpoints for the mode, picks each texel's nearest entry (the
// lowest index on a tie) and sums the weighted error.
Candidate Evaluate(const ColourTexels& texels, ColourMode eMode, std::uint16_t nColour0, std::uint16_t nColour1)
{
    if ((eMode == ColourMode::kFour) == (nColour0 < nColour1))
        std::swap(nColour0, nColour1);
    Candidate candidate;
    candidate.block.nColour0 = nColour0;
    candidate.block.nColour1 = nColour1;
    const ColourPalette palette = DecodeColourPalette(nColour0, nColour1);
    // Equal endpoints in four-colour mode decode as three-colour: index 0 only.
    const int nEntries = nColour0 == nColour1 ? 1 : eMode == ColourMode::kFour ? 4 : 3;
    for (int i = 0; i < 16; ++i) {
        if (eMode == ColourMode::kThree && texels.weights[i] == 0) {
            candidate.block.indices[i] = 3;
            continue;
        }
        std::uint32_t nBest = ~std::uint32_t{0};
        for (int e = 0; e < nEntries; ++e) {
            std::uint32_t nDistance = 0;
            for (int c = 0; c < 3; ++c) {
                const int nDelta = texels.rgb[i][c] - palette.rgb[e][c];
                nDistance += static_cast<std::uint32_t>(nDelta * nDelta);
            }
            if (nDistance < nBest) {
                nBest = nDistance;
                candidate.block.indices[i] = static_cast<std::uint8_t>(e);
            }
        }
        candidate.nError += std::uint64_t{nBest} * texels.weights[i];
    }
    return candidate;
}

// Greedy descent: the first step of one in one channel of one endpoint that
// lowers the error is taken, until none does (bounded, for a worst case).
Candidate Refine(const ColourTexels& texels, ColourMode eMode, Candidate best)
{
    for (int nPass = 0; nPass < 32; ++nPass) {
        bool bImproved = false;
        for (int nEndpoint = 0; nEndpoint < 2; ++nEndpoint) {
            for (int c = 0; c < 3; ++c) {
                for (const int nStep : {-1, 1}) {
                    std::uint16_t endpoints[2] = {best.block.nColour0, best.block.nColour1};
                    const int nValue = (endpoints[nEndpoint] >> kShift[c] & kMax[c]) + nStep;
                    if (nValue < 0 || nValue > kMax[c])
                        continue;
                    endpoints[nEndpoint] = static_cast<std::uint16_t>(
                        (endpoints[nEndpoint] & ~(kMax[c] << kShift[c])) | nValue << kShift[c]);
                    const Candidate candidate = Evaluate(texels, eMode, endpoints[0], endpoints[1]);
                    if (candidate.nError < best.nError) {
                        best = candidate;
                        bImproved = true;
                    }
                }
            }
        }
        if (!bImproved)
            break;
    }
    return best;
}

}  // namespace

ColourBlock FitColourBlock(const ColourTexels& texels, ColourMode eMode, const std::uint16_t (*pStarts)[2],
                           int nStarts)
{
    Candidate best = Evaluate(texels, eMode, 0, 0);
    for (int s = 0; s < nStarts; ++s) {
        const Candidate refined = Refine(texels, eMode, Evaluate(texels, eMode, pStarts[s][0], pStarts[s][1]));
        if (s == 0 || refined.nError < best.nError)
            best = refined;
    }
    return best.block;
}

std::uint16_t WeightedMeanColour(const ColourTexels& texels)
{
    std::uint64_t nWeight = 0, sums[3] = {};
    for (int i = 0; i < 16; ++i) {
        nWeight += texels.weights[i];
        for (int c = 0; c < 3; ++c)
            sums[c] += std::uint64_t{texels.weights[i]} * static_cast<std::uint32_t>(texels.rgb[i][c]);
    }
    if (nWeight == 0)
        return 0;
    int nColour = 0;
    for (int c = 0; c < 3; ++c)
        nColour |= NearestUnderShift(static_cast<int>((sums[c] + nWeight / 2) / nWeight), c) << kShift[c];
    return static_cast<std::uint16_t>(nColour);
}

std::uint16_t RequantiseForShift(std::uint16_t nColour)
{
    int nResult = 0;
    for (int c = 0; c < 3; ++c) {
        const int nQuantum = nColour >> kShift[c] & kMax[c];
        const int nReplicated = c == 1 ? (nQuantum << 2 | nQuantum >> 4) : (nQuantum << 3 | nQuantum >> 2);
        nResult |= NearestUnderShift(nReplicated, c) << kShift[c];
    }
    return static_cast<std::uint16_t>(nResult);
}

}  // namespace zandrel

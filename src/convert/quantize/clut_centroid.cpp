#include "convert/quantize/clut_centroid.h"

#include <algorithm>
#include <cstdint>

namespace zandrel::quantize {
namespace {

// Levels nAt - 1 to nAt + 1 of a channel, those that exist.
struct Around {
    int nFirst, nLast;
};

Around LevelsAround(const CClutLevels& levels, int nChannel, int nAt)
{
    return {std::max(nAt - 1, 0), std::min(nAt + 1, levels.LevelCount(nChannel) - 1)};
}

std::int64_t Squared(std::int64_t n)
{
    return n * n;
}

}  // namespace

// The mean in 1/256 of a level. For each alpha level around the mean's
// alpha, each colour channel independently takes the level around
// mean / alpha whose premultiplied value lies nearest; the alpha whose whole
// error is least wins (the lower on a tie, as every choice here).
Rgba8 CentroidEntry(const CClutLevels& levels, const Moments& moments)
{
    std::int64_t mean[4];
    for (int c = 0; c < 4; ++c)
        mean[c] = static_cast<std::int64_t>((moments.s[c] * 16 + moments.nWeight / 2) / moments.nWeight);

    Rgba8 best;
    std::int64_t nBestError = INT64_MAX;
    const int nAlphaAt = levels.NearestLevel(3, static_cast<std::uint8_t>(std::min<std::int64_t>(255, (mean[3] + 128) / 256)));
    const Around alphas = LevelsAround(levels, 3, nAlphaAt);
    for (int nA = alphas.nFirst; nA <= alphas.nLast; ++nA) {
        const int nAlpha = levels.Level(3, nA);
        std::uint8_t channels[3];
        std::int64_t nError = Squared(nAlpha * 256 - mean[3]);
        for (int c = 0; c < 3; ++c) {
            const std::int64_t nStraight = std::min<std::int64_t>(255, (mean[c] * 255 + 128 * nAlpha) / (256 * nAlpha));
            const Around around = LevelsAround(levels, c, levels.NearestLevel(c, static_cast<std::uint8_t>(nStraight)));
            std::int64_t nChannelError = INT64_MAX;
            for (int nL = around.nFirst; nL <= around.nLast; ++nL) {
                const std::int64_t nE = Squared(Premultiplied(levels.Level(c, nL), nAlpha) * 16 - mean[c]);
                if (nE < nChannelError) {
                    nChannelError = nE;
                    channels[c] = levels.Level(c, nL);
                }
            }
            nError += nChannelError;
        }
        if (nError < nBestError) {
            nBestError = nError;
            best = {channels[0], channels[1], channels[2], static_cast<std::uint8_t>(nAlpha)};
        }
    }
    return best;
}

}  // namespace zandrel::quantize

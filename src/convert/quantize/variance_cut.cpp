#include "convert/quantize/variance_cut.h"

#include <new>
#include <utility>

namespace zandrel::quantize {
namespace {

constexpr int kBins = 256;  // one per 8-bit level of a channel

// s^2 / w, rounded down: the part of a box's squared error its cut can
// remove is the rise in the sum of these over the channels. With s = q w + r,
// s^2 / w = s q + q r + r^2 / w, and each term fits 64 bits: q <= 4080,
// r < w < 2^32, s < 2^44.
std::uint64_t SquareOverWeight(std::uint64_t nSum, std::uint64_t nWeight)
{
    const std::uint64_t q = nSum / nWeight, r = nSum % nWeight;
    return nSum * q + q * r + r * r / nWeight;
}

std::uint64_t Score(const Moments& m)
{
    std::uint64_t nScore = 0;
    for (int c = 0; c < 4 && m.nWeight; ++c)
        nScore += SquareOverWeight(m.s[c], m.nWeight);
    return nScore;
}

struct Cut {
    ColorBox box;
    std::uint64_t nGain = 0;  // 0: the box is not cut
    int nChannel = 0;
    int nBin = 0;             // colours below this level of the channel go first
    Moments first;
};

class CCutter {
public:
    explicit CCutter(WeightedColor* pColors) : m_pColors(pColors), m_bins(4 * kBins) {}

    // The best cut of the box, from its moments binned by each channel's level.
    Cut Measure(std::size_t nBegin, std::size_t nEnd, const Moments& moments)
    {
        Cut cut;
        cut.box = {nBegin, nEnd, moments};
        for (std::size_t i = nBegin; i < nEnd; ++i) {
            for (int c = 0; c < 4; ++c)
                m_bins[c * kBins + (m_pColors[i].p[c] >> 4)].Add(m_pColors[i]);
        }
        const std::uint64_t nWhole = Score(moments);
        std::uint64_t nBest = nWhole;
        for (int c = 0; c < 4; ++c) {
            Moments first;
            for (int nBin = 1; nBin < kBins; ++nBin) {
                const Moments& bin = m_bins[c * kBins + nBin - 1];
                if (!bin.nWeight)
                    continue;
                first.Add(bin);
                if (first.nWeight == moments.nWeight)
                    break;
                const std::uint64_t nScore = Score(first) + Score(moments.Minus(first));
                if (nScore > nBest) {
                    nBest = nScore;
                    cut.nChannel = c;
                    cut.nBin = nBin;
                    cut.first = first;
                }
            }
        }
        cut.nGain = nBest - nWhole;
        // Only the bins these colours filled need clearing.
        for (std::size_t i = nBegin; i < nEnd; ++i) {
            for (int c = 0; c < 4; ++c)
                m_bins[c * kBins + (m_pColors[i].p[c] >> 4)] = Moments();
        }
        return cut;
    }

    // Splits the box's colours in place; gives the two halves' runs.
    std::size_t Split(const Cut& cut)
    {
        std::size_t i = cut.box.nBegin, j = cut.box.nEnd;
        const auto first = [&](std::size_t k) { return (m_pColors[k].p[cut.nChannel] >> 4) < cut.nBin; };
        while (true) {
            while (i < j && first(i))
                ++i;
            while (i < j && !first(j - 1))
                --j;
            if (i >= j)
                return i;
            std::swap(m_pColors[i], m_pColors[j - 1]);
        }
    }

private:
    WeightedColor* m_pColors;
    std::vector<Moments> m_bins;  // kBins per channel
};

}  // namespace

QuantizeStatus CutIntoBoxes(WeightedColor* pColors, std::size_t nCount, int nBoxes, std::vector<ColorBox>* pBoxes)
{
    pBoxes->clear();
    if (!nCount || nBoxes < 1)
        return QuantizeStatus::kDone;
    try {
        CCutter cutter(pColors);
        std::vector<Cut> cuts;
        cuts.reserve(static_cast<std::size_t>(nBoxes));
        Moments whole;
        for (std::size_t i = 0; i < nCount; ++i)
            whole.Add(pColors[i]);
        cuts.push_back(cutter.Measure(0, nCount, whole));
        while (cuts.size() < static_cast<std::size_t>(nBoxes)) {
            std::size_t nPick = 0;
            for (std::size_t k = 1; k < cuts.size(); ++k) {
                if (cuts[k].nGain > cuts[nPick].nGain)
                    nPick = k;
            }
            if (!cuts[nPick].nGain)
                break;
            const Cut cut = cuts[nPick];
            const std::size_t nMiddle = cutter.Split(cut);
            cuts[nPick] = cutter.Measure(cut.box.nBegin, nMiddle, cut.first);
            cuts.push_back(cutter.Measure(nMiddle, cut.box.nEnd, cut.box.moments.Minus(cut.first)));
        }
        pBoxes->reserve(cuts.size());
        for (const Cut& cut : cuts)
            pBoxes->push_back(cut.box);
    } catch (const std::bad_alloc&) {
        return QuantizeStatus::kOutOfMemory;
    }
    return QuantizeStatus::kDone;
}

}  // namespace zandrel::quantize

#include "convert/quantize/lloyd_refine.h"

#include <algorithm>
#include <new>

#include "convert/quantize/clut_centroid.h"
#include "convert/quantize/nearest_color.h"

namespace zandrel::quantize {
namespace {

// Lloyd passes stop once a pass lowers the error by less than this share.
constexpr int kStopShare = 1024;

struct Worst {
    std::uint64_t nError;
    std::uint32_t nPacked;
    std::size_t nColor;
    bool operator<(const Worst& other) const
    {
        return nError != other.nError ? nError > other.nError : nPacked < other.nPacked;
    }
};

class CRefiner {
public:
    CRefiner(const RefineInput& input, std::vector<std::uint8_t>& assigned, std::vector<Rgba8>& entries)
        : m_input(input), m_assigned(assigned), m_entries(entries), m_moments(entries.size())
    {
    }

    // Assigns every colour and sums each entry's moments; the total error.
    std::uint64_t Assign()
    {
        const int nEntries = static_cast<int>(m_entries.size());
        Coord coords[256];
        std::uint8_t indices[256];
        for (int i = 0; i < nEntries; ++i) {
            coords[i] = ToCoord(m_entries[static_cast<std::size_t>(i)]);
            indices[i] = static_cast<std::uint8_t>(i);
        }
        if (m_input.bTransparentEntry) {  // then at most 255 entries
            coords[nEntries] = Coord{};
            indices[nEntries] = static_cast<std::uint8_t>(nEntries);
        }
        m_nearest.Build(coords, indices, nEntries + (m_input.bTransparentEntry ? 1 : 0));

        std::fill(m_moments.begin(), m_moments.end(), Moments());
        std::uint64_t nError = 0;
        for (std::size_t i = 0; i < m_input.nCount; ++i) {
            const WeightedColor& color = m_input.pColors[i];
            const CNearestColor::Match match = m_nearest.Find(CoordOf(color), m_nearest.SlotOf(m_assigned[i]));
            const int nIndex = m_nearest.IndexAt(match.nSlot);
            m_assigned[i] = static_cast<std::uint8_t>(nIndex);
            nError += std::uint64_t{color.nWeight} * match.nDistance;
            if (nIndex < nEntries)
                m_moments[static_cast<std::size_t>(nIndex)].Add(color);
        }
        return nError;
    }

    // Entries to their means; an entry left without colours takes the colour
    // that adds the most error where it is.
    void Move()
    {
        std::size_t nEmpty = 0;
        for (std::size_t k = 0; k < m_entries.size(); ++k) {
            if (m_moments[k].nWeight)
                m_entries[k] = CentroidEntry(*m_input.pLevels, m_moments[k]);
            else
                ++nEmpty;
        }
        if (!nEmpty)
            return;
        std::vector<Worst> worst = FindWorst(nEmpty);
        std::size_t nNext = 0;
        for (std::size_t k = 0; k < m_entries.size() && nNext < worst.size(); ++k) {
            if (m_moments[k].nWeight)
                continue;
            Moments single;
            single.Add(m_input.pColors[worst[nNext++].nColor]);
            m_entries[k] = CentroidEntry(*m_input.pLevels, single);
        }
    }

private:
    // The nCount colours whose weighted error is largest, largest first.
    std::vector<Worst> FindWorst(std::size_t nCount) const
    {
        std::vector<Worst> worst;
        worst.reserve(nCount + 1);
        for (std::size_t i = 0; i < m_input.nCount; ++i) {
            const WeightedColor& color = m_input.pColors[i];
            const int nIndex = m_assigned[i];
            const Coord at = nIndex < static_cast<int>(m_entries.size())
                                 ? ToCoord(m_entries[static_cast<std::size_t>(nIndex)])
                                 : Coord{};
            const Worst candidate{std::uint64_t{color.nWeight} * Distance(CoordOf(color), at), color.nPacked, i};
            if (!candidate.nError || (worst.size() == nCount && !(candidate < worst.back())))
                continue;
            worst.insert(std::upper_bound(worst.begin(), worst.end(), candidate), candidate);
            if (worst.size() > nCount)
                worst.pop_back();
        }
        return worst;
    }

    const RefineInput& m_input;
    std::vector<std::uint8_t>& m_assigned;
    std::vector<Rgba8>& m_entries;
    std::vector<Moments> m_moments;
    CNearestColor m_nearest;
};

}  // namespace

QuantizeStatus RefinePalette(const RefineInput& input, std::vector<std::uint8_t>* pAssigned,
                             std::vector<Rgba8>* pEntries)
{
    if (pEntries->empty() || pEntries->size() + (input.bTransparentEntry ? 1 : 0) > 256 ||
        pAssigned->size() != input.nCount)
        return QuantizeStatus::kBadArguments;
    try {
        CRefiner refiner(input, *pAssigned, *pEntries);
        std::vector<Rgba8> best = *pEntries;
        std::uint64_t nBestError = UINT64_MAX;
        for (int nPass = 0; nPass < input.nMaxPasses; ++nPass) {
            const std::uint64_t nError = refiner.Assign();
            const bool bSettled = nError >= nBestError - nBestError / kStopShare;
            if (nError < nBestError) {
                nBestError = nError;
                best = *pEntries;
            }
            if (bSettled || !nError)
                break;
            refiner.Move();
        }
        pEntries->swap(best);
    } catch (const std::bad_alloc&) {
        return QuantizeStatus::kOutOfMemory;
    }
    return QuantizeStatus::kDone;
}

}  // namespace zandrel::quantize

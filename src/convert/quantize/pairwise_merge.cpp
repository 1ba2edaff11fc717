#include "convert/quantize/pairwise_merge.h"

#include <algorithm>
#include <new>

namespace zandrel::quantize {
namespace {

struct Cluster {
    Moments moments;
    Coord mean;
    std::size_t nNearest = 0;  // the partner of least cost, the lower index on a tie
    std::uint64_t nCost = UINT64_MAX;
    bool bAlive = true;
};

Coord MeanOf(const Moments& m)
{
    Coord mean;
    for (int c = 0; c < 4; ++c)
        mean.v[c] = static_cast<std::int32_t>((m.s[c] + m.nWeight / 2) / m.nWeight);
    return mean;
}

class CMerger {
public:
    explicit CMerger(const std::vector<Moments>& clusters) : m_clusters(clusters.size())
    {
        for (std::size_t i = 0; i < clusters.size(); ++i) {
            m_clusters[i].moments = clusters[i];
            m_clusters[i].mean = MeanOf(clusters[i]);
        }
        for (std::size_t i = 0; i < m_clusters.size(); ++i)
            FindNearest(i);
    }

    struct Join {
        std::size_t nKeep, nGone;
    };

    // Joins the cheapest pair into the lower index of the two.
    Join MergeCheapest()
    {
        std::size_t a = SIZE_MAX;
        for (std::size_t i = 0; i < m_clusters.size(); ++i) {
            if (m_clusters[i].bAlive && (a == SIZE_MAX || m_clusters[i].nCost < m_clusters[a].nCost))
                a = i;
        }
        const std::size_t nKeep = std::min(a, m_clusters[a].nNearest), nGone = std::max(a, m_clusters[a].nNearest);
        Cluster& keep = m_clusters[nKeep];
        keep.moments.Add(m_clusters[nGone].moments);
        keep.mean = MeanOf(keep.moments);
        m_clusters[nGone].bAlive = false;
        // Others whose nearest was one of the two are searched again; for the
        // rest only the new cluster can have become nearer.
        keep.nCost = UINT64_MAX;
        for (std::size_t c = 0; c < m_clusters.size(); ++c) {
            Cluster& other = m_clusters[c];
            if (!other.bAlive || c == nKeep)
                continue;
            const bool bLost = other.nNearest == nKeep || other.nNearest == nGone;
            const std::uint64_t nBound = std::max(keep.nCost, bLost ? 0 : other.nCost);
            std::uint64_t nCost = 0;
            if (!Cost(keep, other, nBound, &nCost))
                continue;
            Offer(keep, c, nCost);
            if (!bLost && (nCost < other.nCost || (nCost == other.nCost && nKeep < other.nNearest))) {
                other.nNearest = nKeep;
                other.nCost = nCost;
            }
        }
        for (std::size_t c = 0; c < m_clusters.size(); ++c) {
            if (m_clusters[c].bAlive && c != nKeep && (m_clusters[c].nNearest == nKeep || m_clusters[c].nNearest == nGone))
                FindNearest(c);
        }
        return {nKeep, nGone};
    }

    const Moments& MomentsOf(std::size_t i) const { return m_clusters[i].moments; }

private:
    // The squared error a union adds, w_x w_y / (w_x + w_y) |mean_x - mean_y|^2,
    // with the smaller weight w as w - w^2 / (w_x + w_y): w <= 2^31 keeps w^2
    // in 64 bits and the product stays below 2^57. False, and no division,
    // when it surely exceeds nBound: it is at least d w / 2.
    static bool Cost(const Cluster& x, const Cluster& y, std::uint64_t nBound, std::uint64_t* pCost)
    {
        const std::uint64_t nDistance = Distance(x.mean, y.mean);
        const std::uint64_t nSmaller = std::min(x.moments.nWeight, y.moments.nWeight);
        if (nDistance * (nSmaller / 2) > nBound)
            return false;
        const std::uint64_t nHarmonic = nSmaller - nSmaller * nSmaller / (x.moments.nWeight + y.moments.nWeight);
        *pCost = nDistance * nHarmonic;
        return true;
    }

    void Offer(Cluster& x, std::size_t nOther, std::uint64_t nCost)
    {
        if (nCost < x.nCost || (nCost == x.nCost && nOther < x.nNearest)) {
            x.nCost = nCost;
            x.nNearest = nOther;
        }
    }

    void FindNearest(std::size_t i)
    {
        Cluster& x = m_clusters[i];
        x.nCost = UINT64_MAX;
        for (std::size_t c = 0; c < m_clusters.size(); ++c) {
            std::uint64_t nCost = 0;
            if (c != i && m_clusters[c].bAlive && Cost(x, m_clusters[c], x.nCost, &nCost))
                Offer(x, c, nCost);
        }
    }

    std::vector<Cluster> m_clusters;
};

}  // namespace

QuantizeStatus MergeClusters(std::vector<Moments>* pClusters, std::size_t nTarget,
                             std::vector<std::uint16_t>* pMergedInto)
{
    const std::size_t nCount = pClusters->size();
    if (nCount > 65536)
        return QuantizeStatus::kBadArguments;
    try {
        // Each merge joins the higher index into the lower, so following
        // the joins in ascending order finds every input's survivor.
        std::vector<std::size_t> joinedTo(nCount);
        for (std::size_t i = 0; i < nCount; ++i)
            joinedTo[i] = i;
        CMerger merger(*pClusters);
        for (std::size_t nLeft = nCount; nLeft > std::max<std::size_t>(nTarget, 1); --nLeft) {
            const CMerger::Join join = merger.MergeCheapest();
            joinedTo[join.nGone] = join.nKeep;
        }
        std::vector<Moments> merged;
        pMergedInto->assign(nCount, 0);
        for (std::size_t i = 0; i < nCount; ++i) {
            if (joinedTo[i] == i) {
                (*pMergedInto)[i] = static_cast<std::uint16_t>(merged.size());
                merged.push_back(merger.MomentsOf(i));
            } else {
                (*pMergedInto)[i] = (*pMergedInto)[joinedTo[i]];
            }
        }
        pClusters->swap(merged);
    } catch (const std::bad_alloc&) {
        return QuantizeStatus::kOutOfMemory;
    }
    return QuantizeStatus::kDone;
}

}  // namespace zandrel::quantize

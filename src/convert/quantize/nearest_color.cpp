#include "convert/quantize/nearest_color.h"

#include <algorithm>

namespace zandrel::quantize {

void CNearestColor::Build(const Coord* pCoords, const std::uint8_t* pIndices, int nCount)
{
    m_nCount = std::clamp(nCount, 0, 256);
    int order[256];
    for (int i = 0; i < m_nCount; ++i)
        order[i] = i;
    std::sort(order, order + m_nCount, [&](int i, int j) {
        const int nKeyI = Key(pCoords[i]), nKeyJ = Key(pCoords[j]);
        return nKeyI != nKeyJ ? nKeyI < nKeyJ : pIndices[i] < pIndices[j];
    });
    for (int s = 0; s < m_nCount; ++s) {
        m_coords[s] = pCoords[order[s]];
        m_keys[s] = Key(m_coords[s]);
        m_index[s] = pIndices[order[s]];
        m_slotOf[m_index[s]] = static_cast<std::uint8_t>(s);
        m_nearestOther[s] = UINT32_MAX;
    }
    for (int s = 0; s < m_nCount; ++s) {
        for (int t = s + 1; t < m_nCount; ++t) {
            const std::uint32_t nDistance = Distance(m_coords[s], m_coords[t]);
            m_nearestOther[s] = std::min(m_nearestOther[s], nDistance);
            m_nearestOther[t] = std::min(m_nearestOther[t], nDistance);
        }
    }
}

// Whatever is nearer than half the guess's nearest neighbour is nearest to p
// alone (triangle inequality). Otherwise a candidate s can only beat the best
// distance d when (key(s) - key(p))^2 <= 4 d, as the sum of four coordinate
// differences is at most twice their Euclidean length; both walks stop there.
CNearestColor::Match CNearestColor::Find(const Coord& p, int nGuessSlot) const
{
    Match best{nGuessSlot, Distance(p, m_coords[nGuessSlot])};
    if (4 * best.nDistance < m_nearestOther[nGuessSlot])
        return best;
    const auto consider = [&](int s) {
        const std::uint32_t nDistance = Distance(p, m_coords[s]);
        if (nDistance < best.nDistance || (nDistance == best.nDistance && m_index[s] < m_index[best.nSlot]))
            best = {s, nDistance};
    };
    const int nKey = Key(p);
    int nUp = static_cast<int>(std::lower_bound(m_keys, m_keys + m_nCount, nKey) - m_keys);
    int nDown = nUp - 1;
    while (nUp < m_nCount || nDown >= 0) {
        if (nUp < m_nCount) {
            const std::uint32_t nGap = static_cast<std::uint32_t>(m_keys[nUp] - nKey);
            if (nGap * nGap <= 4 * best.nDistance)
                consider(nUp++);
            else
                nUp = m_nCount;
        }
        if (nDown >= 0) {
            const std::uint32_t nGap = static_cast<std::uint32_t>(nKey - m_keys[nDown]);
            if (nGap * nGap <= 4 * best.nDistance)
                consider(nDown--);
            else
                nDown = -1;
        }
    }
    return best;
}

}  // namespace zandrel::quantize

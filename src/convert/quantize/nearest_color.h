// CNearestColor: the palette entry nearest to a colour, exactly (ties go to
// the lower palette index), found fast: candidates sorted by the sum of their
// coordinates are searched outwards from the colour's sum, and a guess that
// lies within half the distance to its own nearest neighbour is taken as it is.
#pragma once

#include <cstdint>

#include "convert/quantize/color_space.h"

namespace zandrel::quantize {

class CNearestColor {
public:
    struct Match {
        int nSlot;
        std::uint32_t nDistance;
    };

    // Up to 256 candidates, each the Coord of the palette entry nIndices[i].
    void Build(const Coord* pCoords, const std::uint8_t* pIndices, int nCount);

    // nGuessSlot: any slot; the previous answer makes the search short.
    Match Find(const Coord& p, int nGuessSlot) const;

    int Count() const { return m_nCount; }
    int IndexAt(int nSlot) const { return m_index[nSlot]; }
    // The slot of a palette index given to Build; 0 for one not given.
    int SlotOf(int nIndex) const { return m_slotOf[nIndex]; }

private:
    static int Key(const Coord& p) { return p.v[0] + p.v[1] + p.v[2] + p.v[3]; }

    int m_nCount = 0;
    Coord m_coords[256];
    int m_keys[256];
    std::uint8_t m_index[256];
    std::uint32_t m_nearestOther[256];  // squared distance to the nearest other candidate
    std::uint8_t m_slotOf[256] = {};
};

}  // namespace zandrel::quantize

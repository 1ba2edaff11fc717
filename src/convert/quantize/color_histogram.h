// CColorHistogram: how many pixels of each colour one or more images hold,
// the colours rounded to a CLUT format first. Pixels that round to fully
// transparent are only counted: they all share the transparent entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/quantize/clut_levels.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

class CColorHistogram {
public:
    explicit CColorHistogram(const ClutRule& rule) : m_rule(rule), m_levels(rule) {}

    // Counts every pixel of the image once. kBadArguments (a bad view or
    // rule) and kTooManyPixels (past 2^32 - 1 pixels in all) count nothing;
    // after kOutOfMemory the counts are incomplete.
    QuantizeStatus Add(const PixelView& image);

    // Calls fn(Rgba8 color, std::uint32_t nCount) once per colour, in no
    // particular order.
    template <typename Fn>
    void ForEachColor(Fn fn) const
    {
        for (const std::uint64_t nSlot : m_slots) {
            if (nSlot)
                fn(Unpack(static_cast<std::uint32_t>(nSlot >> 32)), static_cast<std::uint32_t>(nSlot));
        }
    }

    // Attributes
    const ClutRule& Rule() const { return m_rule; }
    const CClutLevels& Levels() const { return m_levels; }
    std::size_t ColorCount() const { return m_nColors; }
    std::uint64_t TransparentCount() const { return m_nTransparent; }
    std::uint64_t PixelCount() const { return m_nPixels; }
    // Low bits dropped from every channel because an image had more colours
    // than the table holds; 0 while every colour is kept as it is.
    int CoarseBits() const { return m_nCoarseBits; }

private:
    bool ReserveOneMore();
    bool Count(std::uint32_t nKey, std::uint32_t nCount);
    std::uint64_t* Find(std::uint32_t nKey);
    void Insert(std::uint32_t nKey, std::uint32_t nCount);
    bool Coarsen();
    std::uint32_t CoarseKey(std::uint32_t nKey) const { return (nKey & m_nCoarseMask) | m_nCoarseMiddle; }

    ClutRule m_rule;
    CClutLevels m_levels;
    std::vector<std::uint64_t> m_slots;  // colour << 32 | count, 0 when empty (a colour is never 0: alpha > 0)
    std::size_t m_nColors = 0;
    std::uint64_t m_nTransparent = 0;
    std::uint64_t m_nPixels = 0;
    int m_nCoarseBits = 0;
    std::uint32_t m_nCoarseMask = 0xFFFFFFFFu;
    std::uint32_t m_nCoarseMiddle = 0;
};

}  // namespace zandrel::quantize

#include "convert/quantize/color_histogram.h"

#include <new>

namespace zandrel::quantize {
namespace {

constexpr std::uint64_t kMaxPixels = 0xFFFFFFFFu;  // so that every count fits 32 bits
constexpr std::size_t kFirstSlots = std::size_t{1} << 10;
// 4 MiB of slots, half of them filled at most: beyond 2^18 colours (only
// 8888 has so many) every channel loses a low bit, as no palette of 256
// entries keeps them apart anyway.
constexpr std::size_t kMaxSlots = std::size_t{1} << 19;

std::size_t SlotOf(std::uint32_t nKey, std::size_t nSlots)
{
    return static_cast<std::size_t>(nKey * 0x9E3779B1u) & (nSlots - 1);
}

// The low bits of each byte, repeated over the four.
constexpr std::uint32_t EveryByte(std::uint32_t nByte)
{
    return nByte * 0x01010101u;
}

}  // namespace

QuantizeStatus CColorHistogram::Add(const PixelView& image)
{
    if (!IsValidView(image) || !IsValidRule(m_rule))
        return QuantizeStatus::kBadArguments;
    const std::uint64_t nPixels = std::uint64_t(image.nWidth) * std::uint64_t(image.nHeight);
    if (nPixels > kMaxPixels - m_nPixels)
        return QuantizeStatus::kTooManyPixels;
    if (!nPixels)
        return QuantizeStatus::kDone;
    m_nPixels += nPixels;

    // Runs of one colour, common in drawn art, are counted with one lookup.
    const int nRed = image.eOrder == ChannelOrder::kBgra ? 2 : 0, nBlue = 2 - nRed;
    std::uint32_t nRunKey = 0, nRun = 0;
    for (int y = 0; y < image.nHeight; ++y) {
        const std::uint8_t* p = image.pBytes + static_cast<std::size_t>(y) * image.nStride;
        for (int x = 0; x < image.nWidth; ++x, p += 4) {
            const Rgba8 color = m_levels.Round({p[nRed], p[1], p[nBlue], p[3]});
            if (color.a == 0) {
                ++m_nTransparent;
                continue;
            }
            const std::uint32_t nKey = CoarseKey(Pack(color));
            if (nKey == nRunKey) {
                ++nRun;
                continue;
            }
            if (nRun && !Count(nRunKey, nRun))
                return QuantizeStatus::kOutOfMemory;
            nRunKey = CoarseKey(nKey);  // the table may have been coarsened meanwhile
            nRun = 1;
        }
    }
    return nRun && !Count(nRunKey, nRun) ? QuantizeStatus::kOutOfMemory : QuantizeStatus::kDone;
}

bool CColorHistogram::Count(std::uint32_t nKey, std::uint32_t nCount)
{
    if (std::uint64_t* pSlot = m_slots.empty() ? nullptr : Find(nKey)) {
        *pSlot += nCount;  // the total stays below 2^32
        return true;
    }
    if (!ReserveOneMore())
        return false;
    Insert(CoarseKey(nKey), nCount);
    return true;
}

std::uint64_t* CColorHistogram::Find(std::uint32_t nKey)
{
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t i = SlotOf(nKey, m_slots.size());; i = (i + 1) & nMask) {
        if (!m_slots[i] || m_slots[i] >> 32 == nKey)
            return m_slots[i] ? &m_slots[i] : nullptr;
    }
}

// Room for one more colour at half load: the table doubles up to
// kMaxSlots, then the colours are coarsened until it is there.
bool CColorHistogram::ReserveOneMore()
{
    if (2 * (m_nColors + 1) <= m_slots.size())
        return true;
    if (m_slots.size() >= kMaxSlots) {
        while (2 * (m_nColors + 1) > m_slots.size()) {
            if (!Coarsen())
                return false;
        }
        return true;
    }
    std::vector<std::uint64_t> old;
    old.swap(m_slots);
    try {
        m_slots.assign(old.empty() ? kFirstSlots : 2 * old.size(), 0);
    } catch (const std::bad_alloc&) {
        old.swap(m_slots);
        return false;
    }
    m_nColors = 0;
    for (const std::uint64_t nSlot : old) {
        if (nSlot)
            Insert(static_cast<std::uint32_t>(nSlot >> 32), static_cast<std::uint32_t>(nSlot));
    }
    return true;
}

void CColorHistogram::Insert(std::uint32_t nKey, std::uint32_t nCount)
{
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t i = SlotOf(nKey, m_slots.size());; i = (i + 1) & nMask) {
        std::uint64_t& nSlot = m_slots[i];
        if (!nSlot) {
            nSlot = std::uint64_t{nKey} << 32 | nCount;
            ++m_nColors;
            return;
        }
        if (nSlot >> 32 == nKey) {
            nSlot += nCount;  // the total stays below 2^32
            return;
        }
    }
}

// One more low bit of every channel dropped, each colour moved to the middle
// of what it now stands for. Seven bits leave at most 16 colours, so the
// table always has room before the shift grows past them.
bool CColorHistogram::Coarsen()
{
    std::vector<std::uint64_t> old;
    try {
        old.assign(m_slots.size(), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    old.swap(m_slots);
    ++m_nCoarseBits;
    m_nCoarseMask = EveryByte(0xFFu << m_nCoarseBits & 0xFFu);
    m_nCoarseMiddle = EveryByte(1u << (m_nCoarseBits - 1));
    m_nColors = 0;
    for (const std::uint64_t nSlot : old) {
        if (nSlot)
            Insert(CoarseKey(static_cast<std::uint32_t>(nSlot >> 32)), static_cast<std::uint32_t>(nSlot));
    }
    return true;
}

}  // namespace zandrel::quantize

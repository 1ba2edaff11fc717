// The GE pixel formats: names, sizes, channel rounding tables and the row packers.
#include "convert/pixel_format.h"

#include <array>
#include <cstddef>

namespace zandrel {
namespace {

struct FormatInfo {
    TextureFormat eFormat;
    const char* pszName;
    int nBits;
};

constexpr FormatInfo kFormats[] = {
    {TextureFormat::k5650, "5650", 16}, {TextureFormat::k5551, "5551", 16}, {TextureFormat::k4444, "4444", 16},
    {TextureFormat::k8888, "8888", 32}, {TextureFormat::kT4, "t4", 4},      {TextureFormat::kT8, "t8", 8},
    {TextureFormat::kDxt1, "dxt1", 4},  {TextureFormat::kDxt3, "dxt3", 8},  {TextureFormat::kDxt5, "dxt5", 8},
};

// The ids run 0 to 5, then 8 to 10.
const FormatInfo& Info(TextureFormat eFormat)
{
    const int nId = static_cast<int>(eFormat);
    return kFormats[nId < 8 ? nId : nId - 2];
}

// The n-bit value (n = 4, 5 or 6) whose widening by bit replication is
// nearest to each 8-bit value, the smaller on a tie.
struct ChannelRounding {
    std::uint8_t to4[256];
    std::uint8_t to5[256];
    std::uint8_t to6[256];
};

constexpr int Widen(int q, int nBits)
{
    return nBits == 4 ? q * 17 : (q << (8 - nBits)) | (q >> (2 * nBits - 8));
}

// Brute force: the candidates are few and the table is built once.
constexpr void BuildNearest(std::uint8_t* pTable, int nBits)
{
    for (int v = 0; v < 256; ++v) {
        int nBest = 0;
        for (int q = 1; q < (1 << nBits); ++q) {
            const int nDistance = Widen(q, nBits) - v;
            const int nBestDistance = Widen(nBest, nBits) - v;
            if (nDistance * nDistance < nBestDistance * nBestDistance)
                nBest = q;
        }
        pTable[v] = static_cast<std::uint8_t>(nBest);
    }
}

constexpr ChannelRounding MakeRounding()
{
    ChannelRounding rounding{};
    BuildNearest(rounding.to4, 4);
    BuildNearest(rounding.to5, 5);
    BuildNearest(rounding.to6, 6);
    return rounding;
}

constexpr ChannelRounding kRounding = MakeRounding();

// 8 x 8 Bayer matrix entry (0..63): each level of the recursive 2 x 2 pattern
// 0 2 / 3 1 comes from one bit of x and y, the finest from the lowest bits.
constexpr int Bayer(int x, int y)
{
    int nValue = 0;
    for (int nBit = 0; nBit < 3; ++nBit) {
        const int nX = (x >> nBit) & 1, nY = (y >> nBit) & 1;
        nValue = nValue * 4 + 2 * (nX ^ nY) + nY;
    }
    return nValue;
}

constexpr std::array<std::uint8_t, 64> MakeBayerTable()
{
    std::array<std::uint8_t, 64> table{};
    for (int i = 0; i < 64; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(Bayer(i & 7, i >> 3));
    return table;
}

constexpr std::array<std::uint8_t, 64> kBayer = MakeBayerTable();

// Ordered dithering on the levels the GE widens to: each 8-bit value lies
// between two widened levels (or on one), and the Bayer threshold (b + 1/2) / 64
// picks the upper one when the value is further than that towards it, so a
// value the format holds exactly is never changed and flat areas stay flat.
struct DitherLevels {
    std::uint8_t lower[256];     // the highest level whose widening is at most the value
    std::uint8_t fraction[256];  // how far the value is towards the next level, in 1/64ths, rounded
};

constexpr DitherLevels MakeDitherLevels(int nBits)
{
    DitherLevels levels{};
    for (int v = 0; v < 256; ++v) {
        int q = 0;
        while (q + 1 < (1 << nBits) && Widen(q + 1, nBits) <= v)
            ++q;
        const int nLow = Widen(q, nBits);
        const int nGap = q + 1 < (1 << nBits) ? Widen(q + 1, nBits) - nLow : 1;
        levels.lower[v] = static_cast<std::uint8_t>(q);
        levels.fraction[v] = static_cast<std::uint8_t>((64 * (v - nLow) + nGap / 2) / nGap);
    }
    return levels;
}

constexpr DitherLevels kDither4 = MakeDitherLevels(4);
constexpr DitherLevels kDither5 = MakeDitherLevels(5);
constexpr DitherLevels kDither6 = MakeDitherLevels(6);

inline unsigned DitherRound(unsigned nValue, const DitherLevels& levels, unsigned nCell)
{
    return levels.lower[nValue] + (levels.fraction[nValue] > kBayer[nCell] ? 1u : 0u);
}

inline void Put16(std::uint8_t* pOut, unsigned nValue)
{
    pOut[0] = static_cast<std::uint8_t>(nValue);
    pOut[1] = static_cast<std::uint8_t>(nValue >> 8);
}

// One 16-bit texel from red, green and blue already rounded and the alpha of p.
template <TextureFormat F>
inline unsigned Compose16(const PixelRule& rule, unsigned r, unsigned g, unsigned b, const std::uint8_t* p)
{
    if constexpr (F == TextureFormat::k5650)
        return r | g << 5 | b << 11;
    else if constexpr (F == TextureFormat::k5551)
        return r | g << 5 | b << 10 | (p[3] >= rule.nAlphaThreshold ? 0x8000u : 0u);
    else
        return r | g << 4 | b << 8 | static_cast<unsigned>(kRounding.to4[p[3]]) << 12;
}

inline bool IsKeyed(const PixelRule& rule, const std::uint8_t* p)
{
    return rule.bKey && p[0] == rule.key[0] && p[1] == rule.key[1] && p[2] == rule.key[2];
}

// The key and dithering are template arguments so that the common case, a
// plain conversion, runs without per-pixel tests.
template <TextureFormat F, bool bKey, bool bDither>
void PackRow16(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut)
{
    constexpr bool b4444 = F == TextureFormat::k4444;
    const std::uint8_t* pRoundRB = b4444 ? kRounding.to4 : kRounding.to5;
    const std::uint8_t* pRoundG = b4444 ? kRounding.to4 : F == TextureFormat::k5650 ? kRounding.to6 : kRounding.to5;
    const DitherLevels& levelsRB = b4444 ? kDither4 : kDither5;
    const DitherLevels& levelsG = b4444 ? kDither4 : F == TextureFormat::k5650 ? kDither6 : kDither5;
    for (int x = 0; x < n; ++x, pBgra += 4, pOut += 2) {
        unsigned nTexel = 0;
        if (bKey && IsKeyed(rule, pBgra)) {
            nTexel = 0;
        } else if constexpr (!bDither) {
            nTexel = Compose16<F>(rule, pRoundRB[pBgra[2]], pRoundG[pBgra[1]], pRoundRB[pBgra[0]], pBgra);
        } else {
            const unsigned nCell = static_cast<unsigned>((y & 7) * 8 + (x & 7));
            nTexel = Compose16<F>(rule, DitherRound(pBgra[2], levelsRB, nCell),
                                  DitherRound(pBgra[1], levelsG, nCell), DitherRound(pBgra[0], levelsRB, nCell), pBgra);
        }
        Put16(pOut, nTexel);
    }
}

template <TextureFormat F>
void PackRow16(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut)
{
    if (rule.bDither)
        rule.bKey ? PackRow16<F, true, true>(rule, pBgra, n, y, pOut) : PackRow16<F, false, true>(rule, pBgra, n, y, pOut);
    else
        rule.bKey ? PackRow16<F, true, false>(rule, pBgra, n, y, pOut) : PackRow16<F, false, false>(rule, pBgra, n, y, pOut);
}

void PackRow8888(const PixelRule& rule, const std::uint8_t* pBgra, int n, std::uint8_t* pOut)
{
    for (int x = 0; x < n; ++x, pBgra += 4, pOut += 4) {
        if (IsKeyed(rule, pBgra)) {
            pOut[0] = pOut[1] = pOut[2] = pOut[3] = 0;
            continue;
        }
        pOut[0] = pBgra[2];
        pOut[1] = pBgra[1];
        pOut[2] = pBgra[0];
        pOut[3] = pBgra[3];
    }
}

}  // namespace

bool ParseTextureFormat(std::string_view text, TextureFormat* pFormat)
{
    for (const FormatInfo& info : kFormats) {
        if (text == info.pszName) {
            *pFormat = info.eFormat;
            return true;
        }
    }
    return false;
}

const char* TextureFormatName(TextureFormat eFormat)
{
    return Info(eFormat).pszName;
}

int BitsPerPixel(TextureFormat eFormat)
{
    return Info(eFormat).nBits;
}

void PackPixels(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut)
{
    switch (rule.eFormat) {
    case TextureFormat::k5650: PackRow16<TextureFormat::k5650>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k5551: PackRow16<TextureFormat::k5551>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k4444: PackRow16<TextureFormat::k4444>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k8888: PackRow8888(rule, pBgra, n, pOut); break;
    default: break;  // index and DXT formats are not packed from colours
    }
}

}  // namespace zandrel

#include "convert/texture/pixel_format.h"

#include <algorithm>

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

// Ordered dithering: what is added to an 8-bit channel before it is rounded to
// 4, 5 or 6 bits, centred on 0 and spanning one rounding step, so that the
// rounding error averages out over each 8 x 8 tile.
struct DitherTable {
    signed char offsets[3][64];  // 4, 5, 6 bits
    constexpr DitherTable() : offsets{}
    {
        for (int nBits = 4; nBits <= 6; ++nBits) {
            const int nStepDenominator = (1 << nBits) - 1;
            for (int i = 0; i < 64; ++i) {
                // ((2b + 1) / 128 - 1/2) * 255 / (2^n - 1), rounded half away from zero
                const int nNumerator = (2 * Bayer(i & 7, i >> 3) + 1 - 64) * 255;
                const int nDenominator = 128 * nStepDenominator;
                const int nHalf = nDenominator / 2;
                offsets[nBits - 4][i] = static_cast<signed char>(
                    nNumerator >= 0 ? (nNumerator + nHalf) / nDenominator : -((-nNumerator + nHalf) / nDenominator));
            }
        }
    }
};

constexpr DitherTable kDither;

inline std::uint8_t Round(const std::uint8_t* pTable, int nValue, int nOffset)
{
    return pTable[std::clamp(nValue + nOffset, 0, 255)];
}

inline void Put16(std::uint8_t* pOut, unsigned nValue)
{
    pOut[0] = static_cast<std::uint8_t>(nValue);
    pOut[1] = static_cast<std::uint8_t>(nValue >> 8);
}

// One 16-bit texel; dither offsets for the red/blue width and the green width.
template <TextureFormat F>
inline unsigned Pack16(const PixelRule& rule, const std::uint8_t* p, int nOffRB, int nOffG)
{
    const ChannelRounding& r = kRounding;
    if constexpr (F == TextureFormat::k5650) {
        return Round(r.to5, p[2], nOffRB) | Round(r.to6, p[1], nOffG) << 5 | Round(r.to5, p[0], nOffRB) << 11;
    } else if constexpr (F == TextureFormat::k5551) {
        return Round(r.to5, p[2], nOffRB) | Round(r.to5, p[1], nOffG) << 5 | Round(r.to5, p[0], nOffRB) << 10 |
               (p[3] >= rule.nAlphaThreshold ? 0x8000u : 0u);
    } else {
        return Round(r.to4, p[2], nOffRB) | Round(r.to4, p[1], nOffG) << 4 | Round(r.to4, p[0], nOffRB) << 8 |
               r.to4[p[3]] << 12;
    }
}

inline bool IsKeyed(const PixelRule& rule, const std::uint8_t* p)
{
    return rule.bKey && p[0] == rule.key[0] && p[1] == rule.key[1] && p[2] == rule.key[2];
}

template <TextureFormat F>
void PackRow16(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut)
{
    const int nBitsRB = F == TextureFormat::k4444 ? 4 : 5;
    const int nBitsG = F == TextureFormat::k4444 ? 4 : F == TextureFormat::k5650 ? 6 : 5;
    for (int x = 0; x < n; ++x, pBgra += 4, pOut += 2) {
        unsigned nTexel = 0;
        if (IsKeyed(rule, pBgra)) {
            nTexel = 0;
        } else if (!rule.bDither) {
            nTexel = Pack16<F>(rule, pBgra, 0, 0);
        } else if (pBgra[0] | pBgra[1] | pBgra[2] | pBgra[3]) {
            const int nCell = (y & 7) * 8 + (x & 7);
            nTexel = Pack16<F>(rule, pBgra, kDither.offsets[nBitsRB - 4][nCell], kDither.offsets[nBitsG - 4][nCell]);
        }
        Put16(pOut, nTexel);
    }
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
    return kFormats[static_cast<int>(eFormat)].pszName;
}

int BitsPerPixel(TextureFormat eFormat)
{
    return kFormats[static_cast<int>(eFormat)].nBits;
}

const ChannelRounding& Rounding()
{
    return kRounding;
}

void PackPixels(const PixelRule& rule, const std::uint8_t* pBgra, int n, int y, std::uint8_t* pOut)
{
    switch (rule.eFormat) {
    case TextureFormat::k5650: PackRow16<TextureFormat::k5650>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k5551: PackRow16<TextureFormat::k5551>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k4444: PackRow16<TextureFormat::k4444>(rule, pBgra, n, y, pOut); break;
    case TextureFormat::k8888: PackRow8888(rule, pBgra, n, pOut); break;
    default: break;  // index formats are not packed from colours
    }
}

}  // namespace zandrel

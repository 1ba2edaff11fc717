#include "convert/output/true_color_arrays.h"

#include <bit>
#include <cstring>
#include <utility>

#include "convert/convert.h"

namespace zandrel {
namespace {

// Red, green and blue of one little-endian surface pixel, each cut to its
// top five bits and moved into place in a single step.
inline Color16 PackPixel(std::uint32_t nPixel)
{
    return static_cast<Color16>(((nPixel >> 19) & 0x001F) | ((nPixel >> 6) & 0x03E0) | ((nPixel << 7) & 0x7C00));
}

}  // namespace

void PackSurfacePixels(const std::uint8_t* pBits, std::size_t nPixels, Color16* pWords, std::uint8_t* pAlpha)
{
    if constexpr (std::endian::native == std::endian::little) {
        // Whole 32-bit loads: the compiler turns these loops into vector code.
        if (pAlpha) {
            for (std::size_t i = 0; i < nPixels; ++i) {
                std::uint32_t nPixel;
                std::memcpy(&nPixel, pBits + 4 * i, 4);
                pWords[i] = PackPixel(nPixel);
                pAlpha[i] = static_cast<std::uint8_t>(nPixel >> 24);
            }
        } else {
            for (std::size_t i = 0; i < nPixels; ++i) {
                std::uint32_t nPixel;
                std::memcpy(&nPixel, pBits + 4 * i, 4);
                pWords[i] = PackPixel(nPixel);
            }
        }
    } else {
        for (std::size_t i = 0; i < nPixels; ++i) {
            const std::uint8_t* p = pBits + 4 * i;
            pWords[i] = PackColor16(p[2], p[1], p[0]);
            if (pAlpha)
                pAlpha[i] = p[3];
        }
    }
}

Refusal BuildTrueColorArrays(const CDibSurface& surface, LargeBuffer* pWords, LargeBuffer* pAlpha)
{
    pWords->Release();
    pAlpha->Release();
    const bool bAlpha = surface.m_nBitCount == 32;
    if (!surface.m_pBits || (!bAlpha && surface.m_nBitCount != 24) || surface.m_nWidth <= 0 ||
        surface.m_nHeight <= 0 || surface.m_nStride != 4 * surface.m_nWidth)
        return Refusal::kBadHeader;

    // The surface's stride is exactly four bytes a pixel, so its rows form one
    // run and a single index walks the pixels top row first, left to right.
    const std::size_t nPixels =
        static_cast<std::size_t>(surface.m_nWidth) * static_cast<std::size_t>(surface.m_nHeight);
    if (!pWords->Allocate(nPixels * sizeof(Color16)))
        return Refusal::kOutOfMemory;
    if (bAlpha && !pAlpha->Allocate(nPixels)) {
        pWords->Release();
        return Refusal::kOutOfMemory;
    }
    PackSurfacePixels(surface.m_pBits, nPixels, pWords->As<Color16>(), bAlpha ? pAlpha->Data() : nullptr);
    return Refusal::kNone;
}

ConversionReport ConvertTrueColor(const CDibSurface& surface, const OutputRequest& request)
{
    LargeBuffer words;
    LargeBuffer alpha;
    const Refusal eRefusal = BuildTrueColorArrays(surface, &words, &alpha);
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal, surface.m_nBitCount);
    WriteOutcome outcome = WriteTrueColorFiles(request, words.As<Color16>(), alpha.Data(), surface.m_nWidth,
                                               surface.m_nHeight);
    return ReportWritten(surface.m_nBitCount, surface.m_nWidth, surface.m_nHeight, std::move(outcome));
}

}  // namespace zandrel

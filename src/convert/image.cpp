// The decoded image's allocation, palette comparison and the size rule.
#include "convert/image.h"

#include <climits>
#include <cstddef>

namespace zandrel {
namespace {

constexpr std::uint64_t kMaxArrayBytes = INT_MAX;

}  // namespace

bool SamePalette(const IndexedImage& a, const IndexedImage& b)
{
    if (a.nColorCount != b.nColorCount)
        return false;
    for (int i = 0; i < a.nColorCount && i < 256; ++i) {
        const PaletteColor &x = a.colors[i], &y = b.colors[i];
        if (x.nRed != y.nRed || x.nGreen != y.nGreen || x.nBlue != y.nBlue || x.nAlpha != y.nAlpha)
            return false;
    }
    return true;
}

Refusal CheckImageSize(ImageShape eShape, std::uint64_t nWidth, std::uint64_t nHeight)
{
    // Each factor is below 2^31, so no product here can overflow.
    if (nWidth > kMaxArrayBytes || nHeight > kMaxArrayBytes)
        return Refusal::kTooLarge;
    if (eShape == ImageShape::kIndexed)
        return nWidth * nHeight > kMaxArrayBytes ? Refusal::kTooLarge : Refusal::kNone;
    return 3 * nWidth * nHeight > kMaxArrayBytes || 4 * nWidth > kMaxArrayBytes ? Refusal::kTooLarge
                                                                                 : Refusal::kNone;
}

bool TrueColorImage::Allocate(int nNewWidth, int nNewHeight, bool bNewAlpha)
{
    Release();
    const std::uint64_t nBytes = 4 * static_cast<std::uint64_t>(nNewWidth) * static_cast<std::uint64_t>(nNewHeight);
    if (nNewWidth <= 0 || nNewHeight <= 0 || nBytes > SIZE_MAX || !pixels.Allocate(static_cast<std::size_t>(nBytes)))
        return false;
    nWidth = nNewWidth;
    nHeight = nNewHeight;
    bAlpha = bNewAlpha;
    return true;
}

void TrueColorImage::Release()
{
    pixels.Release();
    nWidth = nHeight = 0;
    bAlpha = false;
}

}  // namespace zandrel

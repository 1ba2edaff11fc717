// ComputeTextureLayout: buffer width, stored rows and sizes, checked against the limit.
#include "convert/texture/layout.h"

#include <algorithm>

namespace zandrel {
namespace {

std::int64_t NextPowerOfTwo(std::int64_t n)
{
    std::int64_t nPower = 1;
    while (nPower < n)
        nPower <<= 1;
    return nPower;
}

std::int64_t RoundUp(std::int64_t n, std::int64_t nMultiple)
{
    return (n + nMultiple - 1) / nMultiple * nMultiple;
}

}  // namespace

bool ComputeTextureLayout(TextureFormat eFormat, std::int64_t nWidth, std::int64_t nHeight, bool bPow2,
                          bool bSwizzle, TextureLayout* pLayout)
{
    TextureLayout layout;
    layout.eFormat = eFormat;
    layout.bSwizzled = bSwizzle;
    layout.nWidth = nWidth;
    layout.nHeight = nHeight;
    layout.nTextureWidth = NextPowerOfTwo(nWidth);
    layout.nTextureHeight = NextPowerOfTwo(nHeight);

    const int nBits = BitsPerPixel(eFormat);
    const std::int64_t nTexelsPer16Bytes = 128 / nBits;
    layout.nBufferWidth = RoundUp(bPow2 ? layout.nTextureWidth : nWidth, nTexelsPer16Bytes);
    // An image of no rows still gets one row of padding: C has no empty arrays.
    layout.nStoredRows = bPow2 ? layout.nTextureHeight : std::max<std::int64_t>(nHeight, 1);
    if (bSwizzle)
        layout.nStoredRows = RoundUp(layout.nStoredRows, 8);
    // DXT stores whole 4 x 4 blocks; the buffer width above is already
    // whole blocks (32 texels for DXT1, 16 for DXT3/DXT5).
    if (IsDxtFormat(eFormat))
        layout.nStoredRows = RoundUp(layout.nStoredRows, 4);
    layout.nRowBytes = layout.nBufferWidth * nBits / 8;
    // Each factor is checked first, so the product cannot overflow.
    if (layout.nRowBytes > kMaxTextureBytes || layout.nStoredRows > kMaxTextureBytes)
        return false;
    layout.nBytes = layout.nRowBytes * layout.nStoredRows;
    if (layout.nBytes > kMaxTextureBytes)
        return false;
    *pLayout = layout;
    return true;
}

}  // namespace zandrel

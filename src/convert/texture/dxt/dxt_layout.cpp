#include "convert/texture/dxt/dxt_layout.h"

namespace zandrel {

bool ComputeDxtLayout(DxtFormat eFormat, std::int64_t nWidth, std::int64_t nHeight, std::int64_t nMaxBytes,
                      DxtLayout* pLayout)
{
    // A limit far past the GE's 512 keeps every product below in 64 bits.
    constexpr std::int64_t kMaxSide = std::int64_t{1} << 24;
    if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSide || nHeight > kMaxSide)
        return false;
    const std::int64_t nRound = eFormat == DxtFormat::kDxt1 ? 32 : 16;
    DxtLayout layout;
    layout.eFormat = eFormat;
    layout.nWidth = nWidth;
    layout.nHeight = nHeight;
    layout.nBufferWidth = (nWidth + nRound - 1) / nRound * nRound;
    layout.nBlocksWide = layout.nBufferWidth / 4;
    layout.nBlocksHigh = (nHeight + 3) / 4;
    layout.nBytes = layout.nBlocksWide * layout.nBlocksHigh * DxtBlockBytes(eFormat);
    if (layout.nBytes > nMaxBytes)
        return false;
    *pLayout = layout;
    return true;
}

}  // namespace zandrel

// The GE's DXT1, DXT3 and DXT5 textures: where the 4 x 4 blocks lie, how wide
// a stored row of blocks is, how many bytes the whole texture takes.
#pragma once

#include <cstdint>

namespace zandrel {

// Values are the GE's own format ids.
enum class DxtFormat : int {
    kDxt1 = 8,
    kDxt3 = 9,
    kDxt5 = 10,
};

inline int DxtBlockBytes(DxtFormat eFormat)
{
    return eFormat == DxtFormat::kDxt1 ? 8 : 16;
}

struct DxtLayout {
    DxtFormat eFormat = DxtFormat::kDxt1;
    std::int64_t nWidth = 0, nHeight = 0;  // the image
    std::int64_t nBufferWidth = 0;         // texels a row of blocks spans (the GE's tbw)
    std::int64_t nBlocksWide = 0;          // blocks a stored row: nBufferWidth / 4
    std::int64_t nBlocksHigh = 0;          // rows of blocks: the height padded to 4, / 4
    std::int64_t nBytes = 0;               // the whole texture
};

// The layout of a width x height image (both >= 1): sides padded to multiples
// of 4, the buffer width rounded up like the index format of as many bits a
// texel (DXT1 like t4: 32 texels, DXT3/DXT5 like t8: 16), blocks in rows,
// (y / 4) * nBlocksWide + x / 4, never swizzled. False when the texture would
// take more than nMaxBytes.
bool ComputeDxtLayout(DxtFormat eFormat, std::int64_t nWidth, std::int64_t nHeight, std::int64_t nMaxBytes,
                      DxtLayout* pLayout);

}  // namespace zandrel

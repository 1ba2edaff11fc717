// Where the texels of a GE texture lie: buffer width, stored rows, the
// power-of-two texture size and the swizzled block order.
#pragma once

#include <cstdint>

#include "convert/pixel_format.h"

namespace zandrel {

// The most bytes a stored texture may take.
constexpr std::int64_t kMaxTextureBytes = 0x7FFFFFFF;
// The GE samples at most this many texels in either direction.
constexpr int kGeMaxTextureSize = 512;
// The GE's buffer-width field has 11 bits.
constexpr std::int64_t kGeMaxBufferWidth = 2047;

struct TextureLayout {
    TextureFormat eFormat = TextureFormat::k8888;
    bool bSwizzled = false;
    std::int64_t nWidth = 0, nHeight = 0;                // the image
    std::int64_t nTextureWidth = 0, nTextureHeight = 0;  // powers of two, at least the image
    std::int64_t nBufferWidth = 0;  // texels a stored row, a whole number of 16 bytes
    std::int64_t nStoredRows = 0;   // a multiple of 8 when swizzled, of 4 for DXT
    std::int64_t nRowBytes = 0;     // bytes of one stored row (DXT: a quarter of a row of blocks)
    std::int64_t nBytes = 0;        // the whole stored texture
};

// The layout of a width x height image (both >= 1). False when the stored
// texture would take more than kMaxTextureBytes.
bool ComputeTextureLayout(TextureFormat eFormat, std::int64_t nWidth, std::int64_t nHeight, bool bPow2,
                          bool bSwizzle, TextureLayout* pLayout);

// Offset in the stored texture of byte nByte of stored row nRow.
inline std::int64_t StoredOffset(const TextureLayout& layout, std::int64_t nByte, std::int64_t nRow)
{
    if (!layout.bSwizzled)
        return nRow * layout.nRowBytes + nByte;
    // Blocks of 16 bytes x 8 rows, left to right, then block rows downwards.
    return ((nRow >> 3) * (layout.nRowBytes >> 4) + (nByte >> 4)) * 128 + (nRow & 7) * 16 + (nByte & 15);
}

}  // namespace zandrel

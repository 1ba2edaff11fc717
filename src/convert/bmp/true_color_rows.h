// The rows of an uncompressed 16-, 24- or 32-bit bitmap, unpacked into a
// TrueColorImage (bytes blue, green, red, fourth; top row first).
//
//   ChannelField       one channel of a 16- or 32-bit pixel, cut out by its mask
//   TrueColorLayout    how the bytes of one stored pixel become image bytes
//   MakeTrueColorLayout, ReadTrueColorPixels
//   ReadTrueColorBitmap  the whole image after the headers
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "convert/bmp/bmp_header.h"
#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

// One channel of a 16- or 32-bit pixel: at most 8 bits of it are kept, then scaled
// to 8 bits through a table. A field of mask 0 yields the constant scale[0].
struct ChannelField {
    int nShift = 0;
    std::uint32_t nMask = 0;  // applied after the shift; at most 0xFF
    std::array<std::uint8_t, 256> scale{};

    std::uint8_t Extract(std::uint32_t nPixel) const { return scale[(nPixel >> nShift) & nMask]; }
};

struct TrueColorLayout {
    enum class Kind {
        kBgr24,    // three bytes per pixel, padded rows
        kBgrx32,   // four bytes per pixel already in image order
        kMasked32,  // four bytes per pixel, channels cut out by masks
        kMasked16   // two bytes per pixel, channels cut out by masks
    };
    Kind eKind = Kind::kBgr24;
    ChannelField red, green, blue, fourth;  // kMasked32 and kMasked16 only
    // The file declares an alpha mask; without one, a fourth byte that is 0
    // in every pixel is padding and the image is opaque.
    bool bAlphaMask = false;
};

// The layout of a 16-, 24- or 32-bit image from its header: compression,
// masks and header size. kUnsupportedFormat for a compression we do not
// decode (or masks on a 24-bit image), kBadHeader for a zero or
// non-contiguous 32-bit mask, kUnsupportedMasks16 for 16-bit masks other than
// those of sixteen_bit_masks.h.
Refusal MakeTrueColorLayout(const BmpHeader& header, TrueColorLayout* pLayout);

// Default size of the buffer the stored rows stream through.
constexpr std::size_t kPixelChunkBytes = std::size_t{1} << 20;

// Reads nHeight stored rows of nWidth pixels from the reader's position into
// pPixels (4 * nWidth bytes a row, top row first), every fourth byte 0xFF
// where the layout has no alpha mask and the file's are all 0. The caller has checked
// that the input holds them and that the sizes fit. Never holds more than
// about nChunkBytes of the file at once. kTruncated when a read fails,
// kOutOfMemory when the chunk cannot be had.
Refusal ReadTrueColorPixels(ByteReader& reader, const TrueColorLayout& layout, std::int32_t nWidth,
                            std::int32_t nHeight, bool bTopDown, std::uint8_t* pPixels,
                            std::size_t nChunkBytes = kPixelChunkBytes);

// Reads the pixels of a 16-, 24- or 32-bit bitmap whose headers were read (the
// reader anywhere before the pixel offset) into *pImage. Every size is
// settled before anything is allocated; a refused image holds nothing.
Refusal ReadTrueColorBitmap(ByteReader& reader, const BmpHeader& header, TrueColorImage* pImage);

}  // namespace zandrel

// The chunk structure of a PNG file, walked and checked before any decoder
// sees it, so that both platforms' decoders get the same well-formed input
// and refuse the same files with the same reasons.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

enum PngColorType : int {
    kPngGrey = 0,
    kPngRgb = 2,
    kPngPalette = 3,
    kPngGreyAlpha = 4,
    kPngRgba = 6,
};

struct PngHeader {
    std::uint32_t nWidth = 0;
    std::uint32_t nHeight = 0;
    int nBitDepth = 0;
    int nColorType = 0;
    bool bInterlaced = false;
    // PLTE with the tRNS alpha of each entry (255 past the tRNS entries).
    PaletteColor palette[256] = {};
    int nPaletteCount = 0;
    // The tRNS colour of a grey (one sample) or RGB image, as stored.
    bool bHasKey = false;
    std::uint16_t key[3] = {};
};

// Samples a pixel of the colour type: 1 (grey, palette index) to 4 (RGBA).
int PngChannelCount(int nColorType);

// Checks the signature and every chunk of the file in pFile[0, nSize): CRCs
// (of IDAT only with bCheckDataCrcs), lengths, order, the IHDR fields and the
// size limits, and fills the header. The buffer is compacted in place to the
// signature and the chunks a decoder needs (IHDR, PLTE of a palette image,
// IDAT, IEND): *pKeptSize bytes, also as far as the walk came when refused.
// Ancillary chunks are dropped, as the pixels are taken as stored; tRNS is
// applied by our own code.
Refusal ReadPngChunks(std::uint8_t* pFile, std::size_t nSize, bool bCheckDataCrcs, PngHeader* pHeader,
                      std::size_t* pKeptSize);

// Whether the IDAT chunks of a compacted buffer match their CRCs.
bool PngDataCrcsMatch(const std::uint8_t* pKept, std::size_t nKept);

}  // namespace zandrel

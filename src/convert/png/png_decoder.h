// The one interface between our PNG code and a platform's decoder: the
// decoder inflates and unfilters the image data and hands over rows in the
// sample layout it produces; PngImageBuilder does everything else (sample
// scaling, 16-bit rounding, tRNS, palette), so both decoders give the same
// bytes. Built with libspng natively and with the Windows Imaging Component
// in the Windows builds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/report.h"
#include "convert/png/png_chunks.h"

namespace zandrel {

// How the samples of one delivered row are laid out, in PNG's own order:
// red, green, blue, alpha; 16-bit samples high byte first; short samples
// packed with the first pixel in the high bits.
struct PngPixelLayout {
    int nChannels = 0;      // 1 grey or index, 2 grey + alpha, 3 colour, 4 colour + alpha
    int nBits = 0;          // bits a sample: 1, 2, 4, 8 or 16
    bool bIndexed = false;  // samples are palette indices
};

class PngImageBuilder;

// True when the decoder checks the CRC of each IDAT chunk it reads. The data
// is then not checked beforehand, which spares a pass over the largest part
// of the file; any refusal is still put down to a bad checksum when the data
// has one, as it is when checked beforehand.
extern const bool kPngDecoderChecksDataCrcs;

// Decodes pFile[0, nSize) (a file ReadPngChunks accepted and compacted) and
// delivers every pixel to the builder. Refusal::kNone when every row came.
Refusal DecodePngRows(const std::uint8_t* pFile, std::size_t nSize, const PngHeader& header,
                      PngImageBuilder& builder);

}  // namespace zandrel

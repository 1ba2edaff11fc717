// ReadPackedIndexRows: 1- and 4-bit rows read a buffer at a time and unpacked.
#include "convert/bmp/packed_indexed_rows.h"

#include <algorithm>
#include <cstddef>

namespace zandrel {

Refusal ReadPackedIndexRows(ByteReader& reader, const BmpHeader& header, std::uint8_t* pRows)
{
    const int nBits = header.nBitCount;
    if ((nBits != 1 && nBits != 4) || header.nWidth <= 0 || header.nHeight < 0)
        return Refusal::kUnsupportedDepth;
    const std::size_t nWidth = static_cast<std::size_t>(header.nWidth);
    const std::size_t nHeight = static_cast<std::size_t>(header.nHeight);
    const std::size_t nStride = static_cast<std::size_t>(BmpRowStride(header.nWidth, nBits));
    const std::size_t nPixelsPerByte = static_cast<std::size_t>(8 / nBits);
    const unsigned nMask = (1u << nBits) - 1;
    std::uint8_t buffer[4096];
    for (std::size_t nStored = 0; nStored < nHeight; ++nStored) {
        std::uint8_t* pRow = pRows + (header.bTopDown ? nStored : nHeight - 1 - nStored) * nWidth;
        std::size_t x = 0;
        for (std::size_t nDone = 0; nDone < nStride;) {
            const std::size_t nPart = std::min(sizeof buffer, nStride - nDone);
            if (!reader.Read(buffer, nPart))
                return Refusal::kTruncated;
            nDone += nPart;
            // The row's last byte may hold pixels past the width; they and
            // the alignment bytes are dropped.
            for (std::size_t i = 0; i < nPart && x < nWidth; ++i) {
                for (std::size_t k = 0; k < nPixelsPerByte && x < nWidth; ++k, ++x)
                    pRow[x] = static_cast<std::uint8_t>(buffer[i] >> (8 - nBits * (k + 1)) & nMask);
            }
        }
    }
    return Refusal::kNone;
}

}  // namespace zandrel

// DecodeRunLength: the RLE8 or RLE4 stream read through a bounded chunk, every write bounded.
#include "convert/bmp/run_length.h"

#include <cstddef>
#include <cstring>

namespace zandrel {
namespace {

// Hands out the compressed bytes one chunk at a time.
class ChunkedInput {
public:
    explicit ChunkedInput(ByteReader& reader) : m_reader(reader) {}

    // Next byte into *pByte, or false at the end of the input.
    bool Next(std::uint8_t* pByte)
    {
        if (m_nPos == m_nEnd && !Refill())
            return false;
        *pByte = m_buffer[m_nPos++];
        return true;
    }

    // Exactly nCount bytes into pDst, or false at the end of the input.
    bool Take(std::uint8_t* pDst, std::size_t nCount)
    {
        while (nCount > 0) {
            if (m_nPos == m_nEnd && !Refill())
                return false;
            const std::size_t nAvailable = m_nEnd - m_nPos;
            const std::size_t nPart = nCount < nAvailable ? nCount : nAvailable;
            std::memcpy(pDst, m_buffer + m_nPos, nPart);
            m_nPos += nPart;
            pDst += nPart;
            nCount -= nPart;
        }
        return true;
    }

private:
    bool Refill()
    {
        const std::uint64_t nRemaining = m_reader.Remaining();
        const std::size_t nChunk = nRemaining < sizeof m_buffer ? static_cast<std::size_t>(nRemaining) : sizeof m_buffer;
        if (nChunk == 0 || !m_reader.Read(m_buffer, nChunk))
            return false;
        m_nPos = 0;
        m_nEnd = nChunk;
        return true;
    }

    ByteReader& m_reader;
    std::uint8_t m_buffer[16384];
    std::size_t m_nPos = 0;
    std::size_t m_nEnd = 0;
};

enum : std::uint8_t {
    kEscEndOfLine = 0,
    kEscEndOfBitmap = 1,
    kEscDelta = 2,
};

// nCount pixels of a 4-bit run from its packed bytes, high nibble first.
void UnpackNibbles(const std::uint8_t* pPacked, std::size_t nCount, std::uint8_t* pDst)
{
    for (std::size_t i = 0; i < nCount; ++i)
        pDst[i] = (i & 1) ? pPacked[i / 2] & 0x0F : pPacked[i / 2] >> 4;
}

}  // namespace

Refusal DecodeRunLength(ByteReader& reader, int nBitCount, std::int32_t nWidth, std::int32_t nHeight,
                        std::uint8_t* pRows)
{
    if (nBitCount != 8 && nBitCount != 4)
        return Refusal::kUnsupportedFormat;
    const bool bNibbles = nBitCount == 4;
    const std::int64_t nW = nWidth;
    const std::int64_t nH = nHeight;
    if (nW > 0 && nH > 0)
        std::memset(pRows, 0, static_cast<std::size_t>(nW * nH));

    ChunkedInput input(reader);
    // Encoders may fill a row up to its stored length, alignment included;
    // such pixels are dropped. Runs past that are refused.
    const std::int64_t nPixelsPerWord = 32 / nBitCount;
    const std::int64_t nRowLimit = (nW + nPixelsPerWord - 1) / nPixelsPerWord * nPixelsPerWord;
    // Position in stream order: y counts rows from the bottom. Moves may
    // leave the image (an end-of-line after the last row is common); only
    // writes are bounded. 64 bits: the moves of any finite file cannot wrap.
    std::int64_t x = 0;
    std::int64_t y = 0;
    // Where a run of nCount pixels at the current position lands, and how many
    // of them fall inside the image; false when the run leaves the rows.
    const auto place = [&](std::int64_t nCount, std::uint8_t** ppDst, std::size_t* pnKept) {
        if (y >= nH || x + nCount > nRowLimit)
            return false;
        const std::int64_t nKept = x >= nW ? 0 : (x + nCount > nW ? nW - x : nCount);
        *ppDst = nKept > 0 ? pRows + static_cast<std::size_t>((nH - 1 - y) * nW + x) : nullptr;
        *pnKept = static_cast<std::size_t>(nKept);
        return true;
    };

    for (;;) {
        std::uint8_t first = 0;
        std::uint8_t second = 0;
        if (!input.Next(&first) || !input.Next(&second))
            return Refusal::kTruncated;
        std::uint8_t* pDst = nullptr;
        std::size_t nKept = 0;
        if (first > 0) {
            if (!place(first, &pDst, &nKept))
                return Refusal::kCorruptPixels;
            if (nKept > 0 && !bNibbles)
                std::memset(pDst, second, nKept);
            for (std::size_t i = 0; bNibbles && i < nKept; ++i)
                pDst[i] = (i & 1) ? second & 0x0F : second >> 4;
            x += first;
            continue;
        }
        switch (second) {
        case kEscEndOfLine:
            x = 0;
            ++y;
            break;
        case kEscEndOfBitmap:
            return Refusal::kNone;
        case kEscDelta: {
            std::uint8_t dx = 0;
            std::uint8_t dy = 0;
            if (!input.Next(&dx) || !input.Next(&dy))
                return Refusal::kTruncated;
            x += dx;
            y += dy;
            break;
        }
        default: {
            // Absolute run: second literal pixels, their bytes padded to an
            // even count.
            if (!place(second, &pDst, &nKept))
                return Refusal::kCorruptPixels;
            std::uint8_t literal[256];
            const std::size_t nBytes = bNibbles ? (second + 1u) / 2 : second;
            if (!bNibbles) {
                if (!input.Take(nKept > 0 ? pDst : literal, nKept) || !input.Take(literal, nBytes - nKept))
                    return Refusal::kTruncated;
            } else {
                if (!input.Take(literal, nBytes))
                    return Refusal::kTruncated;
                UnpackNibbles(literal, nKept, pDst);
            }
            if (!input.Take(literal, nBytes & 1))
                return Refusal::kTruncated;
            x += second;
            break;
        }
        }
    }
}

}  // namespace zandrel

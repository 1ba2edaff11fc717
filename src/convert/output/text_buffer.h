// TextBuffer: the C source text assembled in a reused block and handed to a
// ByteSink whenever the block fills, so a text of any size needs only the
// block. Elements are copied whole from lookup tables ("0xHHHH," and "0xHH,").
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "convert/byte_sink.h"
#include "convert/color16.h"

namespace zandrel {

// Characters of one element, comma included.
constexpr std::size_t kWordElementSize = 7;  // "0xHHHH,"
constexpr std::size_t kByteElementSize = 5;  // "0xHH,"
constexpr std::size_t kDwordElementSize = 11;  // "0xHHHHHHHH,"

class TextBuffer {
public:
    static constexpr std::size_t kCapacity = std::size_t{1} << 20;

    explicit TextBuffer(ByteSink& sink);
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    // Each returns false once the block could not be had or the sink refused
    // bytes; from then on nothing more is written.
    bool Append(const char* pText, std::size_t nCount);
    bool Append(const char* psz);
    bool AppendWords(const Color16* pWords, std::size_t nCount);
    bool AppendBytes(const std::uint8_t* pBytes, std::size_t nCount);
    // nCount 16-bit or 32-bit values stored little-endian at pBytes, as
    // "0xHHHH," or "0xHHHHHHHH," elements.
    bool AppendLittleEndianWords(const std::uint8_t* pBytes, std::size_t nCount);
    bool AppendLittleEndianDwords(const std::uint8_t* pBytes, std::size_t nCount);
    // Hands what is buffered to the sink.
    bool Flush();

    bool Good() const { return m_bGood; }

private:
    // Room for at least one element, flushing when the block is full.
    bool MakeRoom(std::size_t nElementSize);
    // The one element loop: formats nCount elements of nSourceSize bytes
    // each into nElementSize characters each, one by format(source, text).
    template <typename Format>
    bool AppendElements(const void* pSource, std::size_t nCount, std::size_t nSourceSize, std::size_t nElementSize,
                        Format format);

    ByteSink& m_sink;
    std::unique_ptr<char[]> m_pBlock;
    std::size_t m_nUsed = 0;
    bool m_bGood = true;
};

}  // namespace zandrel

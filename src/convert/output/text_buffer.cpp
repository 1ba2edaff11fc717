// TextBuffer: lookup tables of whole elements, copied into a reused block.
#include "convert/output/text_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>


namespace zandrel {
namespace {

// Every element is kept in an 8-byte slot, so formatting one is a single
// 8-byte copy; the bytes after the element are overwritten by the next one.
constexpr std::size_t kSlot = 8;
// The last copy into the block may reach this far past its capacity.
constexpr std::size_t kSlack = kSlot;

struct ElementTables {
    char words[65536][kSlot];
    char bytes[256][kSlot];

    ElementTables()
    {
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (unsigned n = 0; n < 65536; ++n) {
            char* p = words[n];
            p[0] = '0';
            p[1] = 'x';
            p[2] = kHex[(n >> 12) & 15];
            p[3] = kHex[(n >> 8) & 15];
            p[4] = kHex[(n >> 4) & 15];
            p[5] = kHex[n & 15];
            p[6] = ',';
            p[7] = 0;
        }
        for (unsigned n = 0; n < 256; ++n) {
            char* p = bytes[n];
            p[0] = '0';
            p[1] = 'x';
            p[2] = kHex[n >> 4];
            p[3] = kHex[n & 15];
            p[4] = ',';
            p[5] = p[6] = p[7] = 0;
        }
    }
};

const ElementTables& Tables()
{
    static const ElementTables s_tables;  // built once, read-only afterwards
    return s_tables;
}

}  // namespace

TextBuffer::TextBuffer(ByteSink& sink) : m_sink(sink), m_pBlock(new (std::nothrow) char[kCapacity + kSlack])
{
    if (!m_pBlock)
        m_bGood = false;
}

bool TextBuffer::Flush()
{
    if (!m_bGood)
        return false;
    if (m_nUsed && !m_sink.Write(m_pBlock.get(), m_nUsed))
        m_bGood = false;
    m_nUsed = 0;
    return m_bGood;
}

bool TextBuffer::MakeRoom(std::size_t nElementSize)
{
    if (kCapacity - m_nUsed >= nElementSize)
        return m_bGood;
    return Flush();
}

bool TextBuffer::Append(const char* pText, std::size_t nCount)
{
    while (m_bGood && nCount) {
        if (m_nUsed == kCapacity && !Flush())
            break;
        const std::size_t n = std::min(nCount, kCapacity - m_nUsed);
        std::memcpy(m_pBlock.get() + m_nUsed, pText, n);
        m_nUsed += n;
        pText += n;
        nCount -= n;
    }
    return m_bGood;
}

bool TextBuffer::Append(const char* psz)
{
    return Append(psz, std::strlen(psz));
}

template <typename Format>
bool TextBuffer::AppendElements(const void* pSourceBytes, std::size_t nCount, std::size_t nSourceSize,
                                std::size_t nElementSize, Format format)
{
    const auto* pSource = static_cast<const std::uint8_t*>(pSourceBytes);
    while (nCount) {
        if (!MakeRoom(nElementSize))
            return false;
        const std::size_t n = std::min(nCount, (kCapacity - m_nUsed) / nElementSize);
        char* p = m_pBlock.get() + m_nUsed;
        for (std::size_t i = 0; i < n; ++i, p += nElementSize, pSource += nSourceSize)
            format(pSource, p);
        m_nUsed += n * nElementSize;
        nCount -= n;
    }
    return m_bGood;
}

bool TextBuffer::AppendWords(const Color16* pWords, std::size_t nCount)
{
    const auto& table = Tables().words;
    return AppendElements(pWords, nCount, sizeof(Color16), kWordElementSize, [&](const std::uint8_t* pWord, char* p) {
        Color16 nWord;
        std::memcpy(&nWord, pWord, sizeof nWord);
        std::memcpy(p, table[nWord], kSlot);
    });
}

bool TextBuffer::AppendBytes(const std::uint8_t* pBytes, std::size_t nCount)
{
    const auto& table = Tables().bytes;
    return AppendElements(pBytes, nCount, 1, kByteElementSize,
                          [&](const std::uint8_t* pByte, char* p) { std::memcpy(p, table[*pByte], kSlot); });
}

bool TextBuffer::AppendLittleEndianWords(const std::uint8_t* pBytes, std::size_t nCount)
{
    const auto& table = Tables().words;
    return AppendElements(pBytes, nCount, 2, kWordElementSize, [&](const std::uint8_t* pWord, char* p) {
        std::memcpy(p, table[pWord[0] | pWord[1] << 8], kSlot);
    });
}

bool TextBuffer::AppendLittleEndianDwords(const std::uint8_t* pBytes, std::size_t nCount)
{
    // "0x" and the high half's digits, then the low half's digits and comma:
    // two slot copies, the second reaching one byte past the element.
    const auto& table = Tables().words;
    return AppendElements(pBytes, nCount, 4, kDwordElementSize, [&](const std::uint8_t* pDword, char* p) {
        std::memcpy(p, table[pDword[2] | pDword[3] << 8], kSlot);
        std::memcpy(p + 6, table[pDword[0] | pDword[1] << 8] + 2, kSlot - 2);
    });
}

}  // namespace zandrel

// ByteReader: the one way the engine reads an input, from a file or from
// memory. Every read is bounded by what the input holds: a read that would
// pass the end fails as a whole and delivers nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "framework/cstring.h"

namespace zandrel {

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const std::uint8_t* pData, std::size_t nSize);  // reads memory the caller keeps alive
    ~ByteReader();
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    // Opens a file for reading; false when it cannot be opened or measured,
    // with *pnError (when given) the system's error code, 0 when it has none.
    bool OpenFile(const CString& strPath, int* pnError = nullptr);
    void Close();

    std::uint64_t Size() const { return m_nSize; }
    std::uint64_t Remaining() const { return m_nSize - m_nPosition; }

    // Exactly nCount bytes into pDst, or false (input too short or unreadable).
    bool Read(void* pDst, std::size_t nCount);
    // Moves forward to an absolute offset; false for a backward move or one
    // past the end.
    bool SkipTo(std::uint64_t nOffset);

private:
    std::FILE* m_pFile = nullptr;
    const std::uint8_t* m_pData = nullptr;
    std::uint64_t m_nSize = 0;
    std::uint64_t m_nPosition = 0;
};

inline std::uint16_t ReadLE16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadLE32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace zandrel

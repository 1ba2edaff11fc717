// LargeBuffer: one block for a whole-image array.
//
// Image buffers run to hundreds of megabytes; on Linux the block asks for
// transparent huge pages, which makes the first touch of each megabyte about
// thirty times cheaper on virtual machines. Elsewhere it is plain heap memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zandrel {

class LargeBuffer {
public:
    LargeBuffer() = default;
    ~LargeBuffer() { Release(); }
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;
    LargeBuffer(LargeBuffer&& other) noexcept;
    LargeBuffer& operator=(LargeBuffer&& other) noexcept;

    // Replaces the block with nBytes of uninitialised memory; false (and
    // empty) when it cannot be had. Zero bytes gives an empty buffer and true.
    bool Allocate(std::size_t nBytes);
    void Release();

    std::uint8_t* Data() { return m_pData; }
    const std::uint8_t* Data() const { return m_pData; }
    std::size_t Size() const { return m_nSize; }

    template <typename T> T* As() { return reinterpret_cast<T*>(m_pData); }
    template <typename T> const T* As() const { return reinterpret_cast<const T*>(m_pData); }

private:
    std::uint8_t* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nMapped = 0;  // bytes mapped with mmap, 0 for heap memory
};

}  // namespace zandrel

// LargeBuffer: huge-page-aligned mappings on Linux, heap memory elsewhere.
#include "convert/large_buffer.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

// Fuzz builds take every block from the heap, where the fuzzer's allocation
// limit sees it.
#if defined(__linux__) && !defined(ZANDREL_LARGE_BUFFER_ON_HEAP)
#define ZANDREL_LARGE_BUFFER_MMAP 1
#include <sys/mman.h>
#endif

namespace zandrel {
namespace {

#if defined(ZANDREL_LARGE_BUFFER_MMAP)
constexpr std::size_t kHugePageSize = std::size_t{2} << 20;
#endif

}  // namespace

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : m_pData(std::exchange(other.m_pData, nullptr)),
      m_nSize(std::exchange(other.m_nSize, 0)),
      m_nMapped(std::exchange(other.m_nMapped, 0))
{
}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept
{
    if (this != &other) {
        Release();
        m_pData = std::exchange(other.m_pData, nullptr);
        m_nSize = std::exchange(other.m_nSize, 0);
        m_nMapped = std::exchange(other.m_nMapped, 0);
    }
    return *this;
}

bool LargeBuffer::Allocate(std::size_t nBytes)
{
    Release();
    if (nBytes == 0)
        return true;
#if defined(ZANDREL_LARGE_BUFFER_MMAP)
    if (nBytes >= kHugePageSize) {
        // Whole huge pages at a 2 MiB boundary, so the kernel can back every
        // part of the block with them: map one huge page more than needed and
        // give back the unaligned head and the rest of the tail.
        const std::size_t nMapped = (nBytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
        void* p = mmap(nullptr, nMapped + kHugePageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            return false;
        const std::uintptr_t nStart = reinterpret_cast<std::uintptr_t>(p);
        const std::uintptr_t nAligned = (nStart + kHugePageSize - 1) & ~(std::uintptr_t{kHugePageSize} - 1);
        const std::size_t nHead = nAligned - nStart;
        if (nHead)
            munmap(p, nHead);
        if (kHugePageSize - nHead)
            munmap(reinterpret_cast<void*>(nAligned + nMapped), kHugePageSize - nHead);
        madvise(reinterpret_cast<void*>(nAligned), nMapped, MADV_HUGEPAGE);  // a hint: the block works without it
        m_pData = reinterpret_cast<std::uint8_t*>(nAligned);
        m_nSize = nBytes;
        m_nMapped = nMapped;
        return true;
    }
#endif
    m_pData = static_cast<std::uint8_t*>(std::malloc(nBytes));
    if (!m_pData)
        return false;
    m_nSize = nBytes;
    return true;
}

void LargeBuffer::Release()
{
#if defined(ZANDREL_LARGE_BUFFER_MMAP)
    if (m_nMapped) {
        munmap(m_pData, m_nMapped);
        m_pData = nullptr;
        m_nSize = m_nMapped = 0;
        return;
    }
#endif
    std::free(m_pData);
    m_pData = nullptr;
    m_nSize = 0;
}

}  // namespace zandrel

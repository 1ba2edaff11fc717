// The eight bytes every PNG file begins with, by which PNG input is told apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zandrel {

inline bool IsPngSignature(const std::uint8_t* pBytes, std::size_t nCount)
{
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return nCount >= sizeof kSignature && std::memcmp(pBytes, kSignature, sizeof kSignature) == 0;
}

}  // namespace zandrel

// Shared by the fuzz targets and the native replay test: checks, a sink, plain-made expectations, entry points.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "convert/byte_sink.h"

namespace zandrel::fuzz {

int FuzzTrueColor(const std::uint8_t* pData, std::size_t nSize);
int FuzzIndexed(const std::uint8_t* pData, std::size_t nSize);
int FuzzNaming(const std::uint8_t* pData, std::size_t nSize);
int FuzzPng(const std::uint8_t* pData, std::size_t nSize);
int FuzzPack(const std::uint8_t* pData, std::size_t nSize);
int FuzzDxt(const std::uint8_t* pData, std::size_t nSize);
int FuzzQuantize(const std::uint8_t* pData, std::size_t nSize);

// libFuzzer keeps an input that aborts; the replay test names one that throws.
inline void Check(bool bHolds, const char* pszWhat)
{
#ifdef ZANDREL_FUZZ_REPLAY
    if (!bHolds)
        throw std::runtime_error(pszWhat);
#endif
    if (!bHolds && std::fprintf(stderr, "invariant broken: %s\n", pszWhat))
        std::abort();
}

struct StringSink final : ByteSink {
    bool Write(const void* pData, std::size_t nCount) override
    {
        m_bytes.append(static_cast<const char*>(pData), nCount);
        return true;
    }
    std::string m_bytes;
};

inline std::uint16_t PlainColor(std::uint32_t nRed, std::uint32_t nGreen, std::uint32_t nBlue)
{
    return static_cast<std::uint16_t>((nRed & 0xFF) >> 3 | (nGreen & 0xFF) >> 3 << 5 | (nBlue & 0xFF) >> 3 << 10);
}

// One array of the C text made with snprintf, to hold the writers' lookup
// tables against: declaration, nHeight lines of nWidth elements, closing line.
template <typename Element>
std::string PlainArray(bool bConst, const char* pszType, const std::string& name, const Element* pElements,
                       std::size_t nWidth, std::size_t nHeight)
{
    std::string text = std::string(bConst ? "const " : "") + pszType + " " + name + "[]={\r\n";
    char szElement[16];
    for (std::size_t i = 0; i < nWidth * nHeight; ++i) {
        std::snprintf(szElement, sizeof szElement, "0x%0*X,", int(2 * sizeof(Element)), unsigned{pElements[i]});
        text += szElement + std::string(i % nWidth == nWidth - 1 ? "\r\n" : "");
    }
    return text + "};\r\n";
}

}  // namespace zandrel::fuzz

#ifndef ZANDREL_FUZZ_REPLAY
#define ZANDREL_FUZZ_ENTRY(Function) \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* p, std::size_t n) { return zandrel::fuzz::Function(p, n); }
#else
#define ZANDREL_FUZZ_ENTRY(Function)
#endif

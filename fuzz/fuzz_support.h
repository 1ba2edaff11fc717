// Shared by the fuzz targets and the native test that replays their seeds
// and findings: the invariant check, a sink that keeps bytes in memory, and
// the outputs built the plain way (snprintf per element) to hold the writers'
// lookup tables against.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "convert/output_writer.h"

namespace zandrel::fuzz {

int FuzzTrueColor(const std::uint8_t* pData, std::size_t nSize);
int FuzzIndexed(const std::uint8_t* pData, std::size_t nSize);
int FuzzNaming(const std::uint8_t* pData, std::size_t nSize);

// A broken invariant is a finding: libFuzzer keeps the input of an abort;
// the replay test names the input whose check threw.
inline void Check(bool bHolds, const char* pszWhat)
{
#ifdef ZANDREL_FUZZ_REPLAY
    if (!bHolds)
        throw std::runtime_error(pszWhat);
#else
    if (!bHolds && std::fprintf(stderr, "invariant broken: %s\n", pszWhat))
        std::abort();
#endif
}

struct StringSink final : ByteSink {
    bool Write(const void* pData, std::size_t nCount) override
    {
        m_bytes.append(static_cast<const char*>(pData), nCount);
        return true;
    }
    std::string m_bytes;
};

inline std::uint16_t PlainColor(std::uint8_t nRed, std::uint8_t nGreen, std::uint8_t nBlue)
{
    return static_cast<std::uint16_t>((nRed >> 3) | (nGreen >> 3) << 5 | (nBlue >> 3) << 10);
}

// nHeight lines of nWidth elements "0xHH..," of nDigits digits, CR LF after each.
template <typename Element>
std::string PlainRows(const Element* pElements, std::size_t nWidth, std::size_t nHeight, int nDigits)
{
    std::string text;
    char szElement[16];
    for (std::size_t i = 0; i < nWidth * nHeight; ++i) {
        std::snprintf(szElement, sizeof szElement, "0x%0*X,", nDigits, unsigned{pElements[i]});
        text += szElement + std::string(i % nWidth == nWidth - 1 ? "\r\n" : "");
    }
    return text;
}

inline std::string PlainDeclaration(bool bConst, const char* pszType, const std::string& name)
{
    return std::string(bConst ? "const " : "") + pszType + " " + name + "[]={\r\n";
}

// Words in the byte order asked for, as the binary file must hold them.
inline std::string PlainWords(const std::uint16_t* pWords, std::size_t nCount, bool bLittleEndian)
{
    std::string bytes;
    for (std::size_t i = 0; i < nCount; ++i)
        bytes += {char(pWords[i] >> (bLittleEndian ? 0 : 8)), char(pWords[i] >> (bLittleEndian ? 8 : 0))};
    return bytes;
}

}  // namespace zandrel::fuzz

// The libFuzzer entry point of a target; the replay test links all three.
#ifdef ZANDREL_FUZZ_REPLAY
#define ZANDREL_FUZZ_ENTRY(Function)
#else
#define ZANDREL_FUZZ_ENTRY(Function) \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) \
    { return zandrel::fuzz::Function(pData, nSize); }
#endif

// Shared by the fuzz targets: an invariant check that stops the run, a sink
// that keeps bytes in memory, and a reader of the C source text that checks
// its layout line by line against the arrays it was made from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/color16.h"
#include "convert/output_writer.h"

namespace zandrel::fuzz {

// An invariant that does not hold is a finding: abort, so libFuzzer keeps
// the input.
inline void Check(bool bHolds, const char* pszWhat)
{
    if (!bHolds) {
        std::fprintf(stderr, "invariant broken: %s\n", pszWhat);
        std::abort();
    }
}

class StringSink final : public ByteSink {
public:
    bool Write(const void* pData, std::size_t nCount) override
    {
        m_bytes.append(static_cast<const char*>(pData), nCount);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// The lines of a text whose every line ends in CR LF; a bare CR or LF, or a
// last line without its end, breaks the check.
inline std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t nStart = 0;
    while (nStart < text.size()) {
        const std::size_t nEnd = text.find("\r\n", nStart);
        Check(nEnd != std::string::npos, "text ends without CR LF");
        std::string line = text.substr(nStart, nEnd - nStart);
        Check(line.find_first_of("\r\n") == std::string::npos, "bare CR or LF in the text");
        lines.push_back(std::move(line));
        nStart = nEnd + 2;
    }
    return lines;
}

inline int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// One line of nCount elements "0xHH..," of nDigits upper-case digits each,
// whose values are expected[0..nCount).
template <typename Element>
void CheckElementLine(const std::string& line, const Element* pExpected, std::size_t nCount, int nDigits)
{
    const std::size_t nElementSize = static_cast<std::size_t>(nDigits) + 3;
    Check(line.size() == nCount * nElementSize, "element line has the wrong length");
    for (std::size_t i = 0; i < nCount; ++i) {
        const char* p = line.data() + i * nElementSize;
        Check(p[0] == '0' && p[1] == 'x' && p[nElementSize - 1] == ',', "element is not 0x...,");
        unsigned nValue = 0;
        for (int d = 0; d < nDigits; ++d) {
            const int nDigit = HexDigit(p[2 + d]);
            Check(nDigit >= 0, "element digit is not upper-case hexadecimal");
            nValue = nValue * 16 + static_cast<unsigned>(nDigit);
        }
        Check(nValue == pExpected[i], "element value differs from the array");
    }
}

// Walks the lines of one array's rows: nHeight lines of nWidth elements.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    const std::string& Next()
    {
        Check(m_nNext < m_lines.size(), "text has too few lines");
        return m_lines[m_nNext++];
    }
    void Expect(const std::string& line) { Check(Next() == line, "unexpected line in the text"); }
    template <typename Element>
    void ExpectRows(const Element* pElements, int nWidth, int nHeight, int nDigits)
    {
        for (int y = 0; y < nHeight; ++y) {
            CheckElementLine(Next(), pElements + static_cast<std::size_t>(y) * static_cast<std::size_t>(nWidth),
                             static_cast<std::size_t>(nWidth), nDigits);
        }
    }
    void ExpectEnd() { Check(m_nNext == m_lines.size(), "text has lines after its last array"); }

private:
    std::vector<std::string> m_lines;
    std::size_t m_nNext = 0;
};

inline std::string Declaration(bool bConst, const char* pszType, const std::string& name)
{
    return std::string(bConst ? "const " : "") + pszType + " " + name + "[]={";
}

inline std::uint16_t LoadWord(const std::string& bytes, std::size_t nOffset, bool bLittleEndian)
{
    const auto lo = static_cast<std::uint8_t>(bytes[nOffset + (bLittleEndian ? 0 : 1)]);
    const auto hi = static_cast<std::uint8_t>(bytes[nOffset + (bLittleEndian ? 1 : 0)]);
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

}  // namespace zandrel::fuzz

#include "convert/output/default_output.h"

#include <bit>
#include <cstdio>
#include <string>

#include "convert/output/atomic_file.h"
#include "convert/output/text_buffer.h"

namespace zandrel {
namespace {

// Elements of a width x height array; none unless both are positive.
std::size_t ElementCount(int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return 0;
    return static_cast<std::size_t>(static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight));
}

std::string Declaration(int bAddConst, const char* pszType, const CString& strIdentifier, const char* pszSuffix)
{
    std::string line = bAddConst ? "const " : "";
    line += pszType;
    line += ' ';
    line += strIdentifier.Str();
    line += pszSuffix;
    line += "[]={\r\n";
    return line;
}

bool AppendLine(TextBuffer& text, const std::string& line)
{
    return text.Append(line.data(), line.size());
}

// nHeight rows of nWidth elements, each row ended by CR LF.
template <typename Element, typename AppendRow>
bool AppendRows(TextBuffer& text, const Element* pElements, int nWidth, int nHeight, AppendRow appendRow)
{
    if (nWidth <= 0 || nHeight <= 0)
        return text.Good();
    const std::size_t nRowLength = static_cast<std::size_t>(nWidth);
    for (int y = 0; y < nHeight && text.Good(); ++y) {
        (text.*appendRow)(pElements + static_cast<std::size_t>(y) * nRowLength, nRowLength);
        text.Append("\r\n", 2);
    }
    return text.Good();
}

}  // namespace

// The arrays are written as they lie in memory, so on a little-endian machine
// this swaps exactly when big-endian output is asked for.
void ApplyByteOrder(Color16* pWords, std::size_t nCount, int bLittleEndian)
{
    const bool bWantLittle = bLittleEndian != 0;
    if (bWantLittle == (std::endian::native == std::endian::little))
        return;
    for (std::size_t i = 0; i < nCount; ++i)
        pWords[i] = static_cast<Color16>((pWords[i] >> 8) | (pWords[i] << 8));
}

bool WriteTrueColorBinary(ByteSink& sink, const Color16* pWords, const std::uint8_t* pAlpha, int nWidth,
                          int nHeight)
{
    const std::size_t nCount = ElementCount(nWidth, nHeight);
    if (nCount == 0)
        return true;
    return sink.Write(pWords, nCount * sizeof(Color16)) && (!pAlpha || sink.Write(pAlpha, nCount));
}

bool WriteIndexedBinary(ByteSink& sink, const Color16* pPalette, int nColorCount, const std::uint8_t* pIndices,
                        int nWidth, int nHeight)
{
    const std::size_t nColors = nColorCount > 0 ? static_cast<std::size_t>(nColorCount) : 0;
    const std::size_t nCount = ElementCount(nWidth, nHeight);
    return (nColors == 0 || sink.Write(pPalette, nColors * sizeof(Color16))) &&
           (nCount == 0 || sink.Write(pIndices, nCount));
}

OutputRequest MakeOutputRequest(const OutputNames& names, const ConvertOptions& options)
{
    OutputRequest request;
    request.strSourcePath = names.strSourcePath;
    request.strBinaryPath = names.strBinaryPath;
    request.strIdentifier = MakeCIdentifier(names.strArrayName);
    request.m_bAddConst = options.m_bAddConst;
    request.m_bWriteBinary = options.m_bWriteBinary;
    request.m_bLittleEndian = options.m_bLittleEndian;
    return request;
}

bool FormatTrueColorSource(ByteSink& sink, const CString& strIdentifier, int bAddConst, const Color16* pWords,
                           const std::uint8_t* pAlpha, int nWidth, int nHeight)
{
    TextBuffer text(sink);
    char szSize[80];
    std::snprintf(szSize, sizeof szSize, "// width = %d, height = %d\r\n", nWidth, nHeight);

    text.Append("// bitmap image for PSP\r\n");
    text.Append(szSize);
    AppendLine(text, Declaration(bAddConst, "unsigned short", strIdentifier, ""));
    AppendRows(text, pWords, nWidth, nHeight, &TextBuffer::AppendWords);
    if (pAlpha) {
        text.Append("};\r\n\r\n\r\n");
        AppendLine(text, Declaration(bAddConst, "unsigned char", strIdentifier, "_alpha"));
        AppendRows(text, pAlpha, nWidth, nHeight, &TextBuffer::AppendBytes);
    }
    text.Append("};\r\n");
    return text.Flush();
}

bool FormatIndexedSource(ByteSink& sink, const CString& strIdentifier, int bAddConst, const Color16* pPalette,
                         int nColorCount, const std::uint8_t* pIndices, int nWidth, int nHeight)
{
    TextBuffer text(sink);
    char szLine[80];

    text.Append("// bitmap image for PSP\r\n");
    std::snprintf(szLine, sizeof szLine, "// Indexed Palette: colors = %d\r\n", nColorCount);
    text.Append(szLine);
    AppendLine(text, Declaration(bAddConst, "unsigned short", strIdentifier, "_palette"));
    if (nColorCount > 0)
        text.AppendWords(pPalette, static_cast<std::size_t>(nColorCount));
    text.Append("\r\n};\r\n\r\n\r\n");
    std::snprintf(szLine, sizeof szLine, "// Indexed: width = %d, height = %d\r\n", nWidth, nHeight);
    text.Append(szLine);
    AppendLine(text, Declaration(bAddConst, "unsigned char", strIdentifier, ""));
    AppendRows(text, pIndices, nWidth, nHeight, &TextBuffer::AppendBytes);
    text.Append("};\r\n");
    return text.Flush();
}

WriteOutcome WriteTrueColorFiles(const OutputRequest& request, Color16* pWords, const std::uint8_t* pAlpha,
                                 int nWidth, int nHeight)
{
    WriteOutcome outcome;
    WriteFileAtomically(
        request.strSourcePath,
        [&](ByteSink& sink) {
            return FormatTrueColorSource(sink, request.strIdentifier, request.m_bAddConst, pWords, pAlpha, nWidth,
                                         nHeight);
        },
        &outcome);

    const std::size_t nCount = ElementCount(nWidth, nHeight);
    ApplyByteOrder(pWords, nCount, request.m_bLittleEndian);

    if (request.m_bWriteBinary) {
        WriteFileAtomically(
            request.strBinaryPath,
            [&](ByteSink& sink) { return WriteTrueColorBinary(sink, pWords, pAlpha, nWidth, nHeight); },
            &outcome);
    }
    return outcome;
}

WriteOutcome WriteIndexedFiles(const OutputRequest& request, Color16* pPalette, int nColorCount,
                               const std::uint8_t* pIndices, int nWidth, int nHeight)
{
    WriteOutcome outcome;
    WriteFileAtomically(
        request.strSourcePath,
        [&](ByteSink& sink) {
            return FormatIndexedSource(sink, request.strIdentifier, request.m_bAddConst, pPalette, nColorCount,
                                       pIndices, nWidth, nHeight);
        },
        &outcome);

    const std::size_t nColors = nColorCount > 0 ? static_cast<std::size_t>(nColorCount) : 0;
    ApplyByteOrder(pPalette, nColors, request.m_bLittleEndian);

    if (request.m_bWriteBinary) {
        WriteFileAtomically(
            request.strBinaryPath,
            [&](ByteSink& sink) {
                return WriteIndexedBinary(sink, pPalette, nColorCount, pIndices, nWidth, nHeight);
            },
            &outcome);
    }
    return outcome;
}

}  // namespace zandrel

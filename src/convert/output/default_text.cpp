// The default .c layouts, formatted through a TextBuffer.
#include "convert/output/default_text.h"

#include <cstddef>
#include <cstdio>
#include <string>

#include "convert/output/text_buffer.h"

namespace zandrel {
namespace {

std::string Declaration(int bAddConst, const char* pszType, const CString& strArrayName, const char* pszSuffix)
{
    std::string line = bAddConst ? "const " : "";
    line += pszType;
    line += ' ';
    line += strArrayName.Str();
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

bool FormatTrueColorSource(ByteSink& sink, const CString& strArrayName, int bAddConst, const Color16* pWords,
                           const std::uint8_t* pAlpha, int nWidth, int nHeight)
{
    TextBuffer text(sink);
    char szSize[80];
    std::snprintf(szSize, sizeof szSize, "// width = %d, height = %d\r\n", nWidth, nHeight);

    text.Append("// bitmap image for PSP\r\n");
    text.Append(szSize);
    AppendLine(text, Declaration(bAddConst, "unsigned short", strArrayName, ""));
    AppendRows(text, pWords, nWidth, nHeight, &TextBuffer::AppendWords);
    if (pAlpha) {
        text.Append("};\r\n\r\n\r\n");
        AppendLine(text, Declaration(bAddConst, "unsigned char", strArrayName, "_alpha"));
        AppendRows(text, pAlpha, nWidth, nHeight, &TextBuffer::AppendBytes);
    }
    text.Append("};\r\n");
    return text.Flush();
}

bool FormatIndexedSource(ByteSink& sink, const CString& strArrayName, int bAddConst, const Color16* pPalette,
                         int nColorCount, const std::uint8_t* pIndices, int nWidth, int nHeight)
{
    TextBuffer text(sink);
    char szLine[80];

    text.Append("// bitmap image for PSP\r\n");
    std::snprintf(szLine, sizeof szLine, "// Indexed Palette: colors = %d\r\n", nColorCount);
    text.Append(szLine);
    AppendLine(text, Declaration(bAddConst, "unsigned short", strArrayName, "_palette"));
    if (nColorCount > 0)
        text.AppendWords(pPalette, static_cast<std::size_t>(nColorCount));
    text.Append("\r\n};\r\n\r\n\r\n");
    std::snprintf(szLine, sizeof szLine, "// Indexed: width = %d, height = %d\r\n", nWidth, nHeight);
    text.Append(szLine);
    AppendLine(text, Declaration(bAddConst, "unsigned char", strArrayName, ""));
    AppendRows(text, pIndices, nWidth, nHeight, &TextBuffer::AppendBytes);
    text.Append("};\r\n");
    return text.Flush();
}

}  // namespace zandrel

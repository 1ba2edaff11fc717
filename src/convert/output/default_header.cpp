// The default output's .h file.
#include "convert/output/default_header.h"

#include <string>

#include "convert/output/c_text.h"
#include "convert/output/text_buffer.h"

namespace zandrel {
namespace {

// "extern const unsigned short name[12];": sized as the .c defines it, which
// is [] when it holds no elements (C has no arrays of size 0).
std::string Declaration(const std::string& qualifier, const char* pszType, const std::string& name,
                        long long nElements)
{
    return qualifier + pszType + " " + name + "[" + (nElements > 0 ? std::to_string(nElements) : std::string()) +
           "];\r\n";
}

}  // namespace

bool FormatImageHeader(ByteSink& sink, const CString& strArrayName, int bAddConst, int nBitCount, int nWidth,
                       int nHeight, int nColorCount)
{
    const std::string name = strArrayName.Str();
    const std::string prefix = MacroPrefix(strArrayName);
    const std::string qualifier = bAddConst ? "extern const " : "extern ";
    const long long nPixels = nWidth > 0 && nHeight > 0 ? static_cast<long long>(nWidth) * nHeight : 0;
    const long long nColors = nColorCount > 0 ? nColorCount : 0;
    TextBuffer text(sink);
    text.Append("// bitmap image for PSP\r\n");
    AppendGuardOpening(text, prefix);
    AppendDefine(text, prefix, "WIDTH", nWidth);
    AppendDefine(text, prefix, "HEIGHT", nHeight);
    AppendDefine(text, prefix, "STORED_HEIGHT", nHeight);
    if (nBitCount == 8) {
        AppendDefine(text, prefix, "BYTES", nPixels);
        AppendDefine(text, prefix, "PALETTE_BYTES", nColors * 2);
        text.Append("\r\n");
        text.Append(Declaration(qualifier, "unsigned short", name + "_palette", nColors).c_str());
        text.Append(Declaration(qualifier, "unsigned char", name, nPixels).c_str());
    } else {
        AppendDefine(text, prefix, "BYTES", nPixels * 2);
        if (nBitCount == 32)
            AppendDefine(text, prefix, "ALPHA_BYTES", nPixels);
        text.Append("\r\n");
        text.Append(Declaration(qualifier, "unsigned short", name, nPixels).c_str());
        if (nBitCount == 32)
            text.Append(Declaration(qualifier, "unsigned char", name + "_alpha", nPixels).c_str());
    }
    AppendGuardClosing(text);
    return text.Flush();
}

}  // namespace zandrel

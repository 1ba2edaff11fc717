// The default output's .h file.
#include "convert/output/default_header.h"

#include <string>

#include "convert/output/c_text.h"
#include "convert/output/text_buffer.h"

namespace zandrel {

bool FormatImageHeader(ByteSink& sink, const CString& strArrayName, int bAddConst, int nBitCount, int nWidth,
                       int nHeight)
{
    const std::string name = strArrayName.Str();
    const std::string prefix = MacroPrefix(strArrayName);
    const std::string qualifier = bAddConst ? "extern const " : "extern ";
    TextBuffer text(sink);
    text.Append("// bitmap image for PSP\r\n");
    AppendGuardOpening(text, prefix);
    AppendDefine(text, prefix, "WIDTH", nWidth);
    AppendDefine(text, prefix, "HEIGHT", nHeight);
    text.Append("\r\n");
    if (nBitCount == 8) {
        text.Append((qualifier + "unsigned short " + name + "_palette[];\r\n").c_str());
        text.Append((qualifier + "unsigned char " + name + "[];\r\n").c_str());
    } else {
        text.Append((qualifier + "unsigned short " + name + "[];\r\n").c_str());
        if (nBitCount == 32)
            text.Append((qualifier + "unsigned char " + name + "_alpha[];\r\n").c_str());
    }
    AppendGuardClosing(text);
    return text.Flush();
}

}  // namespace zandrel

// Shared lines of C text: macro prefix, #define, include guard.
#include "convert/output/c_text.h"

namespace zandrel {

std::string MacroPrefix(const CString& strArrayName)
{
    std::string prefix = strArrayName.Str();
    for (char& ch : prefix) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return prefix;
}

void AppendDefine(TextBuffer& text, const std::string& prefix, const char* pszName, long long nValue)
{
    // Built as a string: a prefix from a long file name must not be cut.
    const std::string line = "#define " + prefix + "_" + pszName + " " + std::to_string(nValue) + "\r\n";
    text.Append(line.data(), line.size());
}

void AppendGuardOpening(TextBuffer& text, const std::string& prefix)
{
    const std::string lines = "#ifndef " + prefix + "_H\r\n#define " + prefix + "_H\r\n\r\n";
    text.Append(lines.data(), lines.size());
}

void AppendGuardClosing(TextBuffer& text)
{
    text.Append("\r\n#endif\r\n");
}

}  // namespace zandrel

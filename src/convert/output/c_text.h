// Lines of C text that more than one writer puts into its files: the macro
// prefix of an array name, #define lines and the include guard.
#pragma once

#include <string>

#include "convert/output/text_buffer.h"
#include "framework/cstring.h"

namespace zandrel {

// The array name upper-cased: IMAGE_SHIP for image_ship.
std::string MacroPrefix(const CString& strArrayName);

// "#define <prefix>_<name> <value>".
void AppendDefine(TextBuffer& text, const std::string& prefix, const char* pszName, long long nValue);

// "#ifndef <prefix>_H", "#define <prefix>_H" and a blank line; the closing
// "#endif" after a blank line.
void AppendGuardOpening(TextBuffer& text, const std::string& prefix);
void AppendGuardClosing(TextBuffer& text);

}  // namespace zandrel

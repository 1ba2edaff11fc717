#include "convert/output/names.h"

namespace zandrel {

OutputNames DeriveOutputNames(const CString& strPath, int bAddPrefix, const PathStyle& style)
{
    const CString strPrefix = bAddPrefix ? "image_" : "";
    const int nSeparator = strPath.ReverseFind(style.chSeparator, style.nCodePage);
    const int nDot = strPath.ReverseFind('.', style.nCodePage);

    // A dot at or before the last separator belongs to a folder name: the file
    // name has no extension to cut, so the whole of it is the base name.
    const int nBaseEnd = nDot > nSeparator ? nDot : strPath.GetLength();
    const CString strBase = strPath.Mid(nSeparator + 1, nBaseEnd - nSeparator - 1);

    // With no separator the outputs go to the current folder: no folder part.
    CString strStem;
    if (nSeparator >= 0)
        strStem = strPath.Left(nSeparator) + CString(&style.chSeparator, 1);
    strStem += strPrefix + strBase;

    OutputNames names;
    names.strSourcePath = strStem + ".c";
    names.strBinaryPath = strStem + ".bin";
    names.strArrayName = strPrefix + strBase;
    return names;
}

CString MakeCIdentifier(const CString& strName)
{
    std::string identifier;
    identifier.reserve(static_cast<size_t>(strName.GetLength()) + 1);
    for (const char ch : strName.Str()) {
        const bool bWordChar = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                               (ch >= '0' && ch <= '9') || ch == '_';
        identifier += bWordChar ? ch : '_';
    }
    if (identifier.empty() || (identifier[0] >= '0' && identifier[0] <= '9'))
        identifier.insert(identifier.begin(), '_');
    return CString(std::move(identifier));
}

}  // namespace zandrel

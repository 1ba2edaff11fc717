// The naming rule and the C identifier rule.
#include "convert/output/names.h"

#include <string>
#include <utility>

#include "framework/mbcs.h"

namespace zandrel {
namespace {

bool IsUnincludable(unsigned char ch, char chSeparator)
{
    return ch == '"' || ch < 0x20 || ch == 0x7F || (ch == '\\' && chSeparator != '\\');
}

bool IsIdentifierChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// strFolder with its separator at the end. The last character is found by
// characters of the code page: a trail byte equal to the separator is none.
CString WithSeparator(const CString& strFolder, const PathStyle& style)
{
    if (strFolder.ReverseFind(style.chSeparator, style.nCodePage) == strFolder.GetLength() - 1)
        return strFolder;
    return strFolder + CString(&style.chSeparator, 1);
}

}  // namespace

PathStyle PathStyle::Native()
{
#ifdef _WIN32
    return PathStyle{'\\', CurrentMultiByteCodePage(), true};
#else
    return PathStyle{'/', kSingleByteCodePage};
#endif
}

OutputNames DeriveOutputNames(const CString& strPath, const NamingOptions& naming, const PathStyle& style)
{
    const int nSeparator = strPath.ReverseFind(style.chSeparator, style.nCodePage);
    const int nDot = strPath.ReverseFind('.', style.nCodePage);

    // A dot at or before the last separator belongs to a folder name: the file
    // name has no extension to cut, so the whole of it is the base name.
    const int nBaseEnd = nDot > nSeparator ? nDot : strPath.GetLength();
    const CString strBase = strPath.Mid(nSeparator + 1, nBaseEnd - nSeparator - 1);

    OutputNames names;
    // With no separator and no output folder the outputs go to the current folder.
    names.strFolder = naming.strOutdir.IsEmpty() ? strPath.Left(nSeparator + 1) : WithSeparator(naming.strOutdir, style);
    const CString strPrefix = naming.bAddPrefix ? CString("image_") : CString();
    names.strStem = (naming.strName.IsEmpty() ? strPrefix + strBase : naming.strName) + naming.strSuffix;
    names.strArrayName = MakeCIdentifier(names.strStem);
    return names;
}

std::vector<CString> OutputPaths(const OutputNames& names, const OutputFileSet& files)
{
    std::vector<CString> paths{names.PathOf(".c")};
    if (files.bHeader)
        paths.push_back(names.PathOf(".h"));
    if (files.bBinary)
        paths.push_back(names.PathOf(".bin"));
    if (files.bClutBinary)
        paths.push_back(names.PathOf("_clut.bin"));
    return paths;
}

bool IsSamePath(const CString& strA, const CString& strB, const PathStyle& style)
{
    const std::string& a = strA.Str();
    const std::string& b = strB.Str();
    if (!style.bIgnoresCase || a.size() != b.size())
        return a == b;
    const auto Folded = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        // Equal so far, so both strings have a character starting at i.
        if (IsLeadByte(style.nCodePage, static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (Folded(a[i]) != Folded(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsIncludableName(const CString& strFileName, const PathStyle& style)
{
    for (const char ch : strFileName.Str()) {
        if (IsUnincludable(static_cast<unsigned char>(ch), style.chSeparator))
            return false;
    }
    return true;
}

bool IsCIdentifier(const CString& strName)
{
    const std::string& name = strName.Str();
    if (name.empty() || IsDigit(name[0]))
        return false;
    for (const char ch : name) {
        if (!IsIdentifierChar(ch))
            return false;
    }
    return true;
}

bool IsIdentifierSuffix(const CString& strSuffix)
{
    return IsCIdentifier(CString("_") + strSuffix);
}

CString MakeCIdentifier(const CString& strName)
{
    std::string identifier;
    identifier.reserve(static_cast<std::size_t>(strName.GetLength()) + 1);
    for (const char ch : strName.Str())
        identifier += IsIdentifierChar(ch) ? ch : '_';
    if (identifier.empty() || IsDigit(identifier[0]))
        identifier.insert(identifier.begin(), '_');
    return CString(std::move(identifier));
}

}  // namespace zandrel

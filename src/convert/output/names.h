// The naming rule: from an input path to the outputs' folder, file stem and
// array name; how paths are spelled on the platform; what a C identifier is.
#pragma once

#include <vector>

#include "framework/cstring.h"

namespace zandrel {

// How a path separates folders and which code page its bytes are in.
struct PathStyle {
    char chSeparator = '/';
    unsigned nCodePage = 0;
    bool bIgnoresCase = false;  // the file system takes A-Z and a-z for the same letters

    // Backslash, the C runtime's multi-byte code page and case ignored on
    // Windows; '/', single bytes and case kept elsewhere.
    static PathStyle Native();
};

// What the naming rule takes besides the path.
struct NamingOptions {
    bool bAddPrefix = true;  // "image_" before the stem
    CString strOutdir;       // the outputs' folder; empty: the input's folder
    CString strName;         // the stem and array name exactly, no prefix; empty: from the path
    CString strSuffix;       // appended to the stem and the array name, identifier characters
};

struct OutputNames {
    CString strFolder;     // ends in its separator; empty: the current folder
    CString strStem;       // <prefix><base>: the file name of every output before its ending
    CString strArrayName;  // the arrays' name in the C text, a C identifier

    // <folder><stem><ending>, e.g. PathOf(".c").
    CString PathOf(const char* pszEnding) const { return strFolder + strStem + pszEnding; }
};

// Base name: the file name after the last separator, cut before its last dot
// (the whole file name when it has no dot). Folder: everything up to the last
// separator, or the output folder when one is given. Stem: the prefix and the
// base name, or the name given; then the suffix. Array name: the stem made a
// C identifier (a given name and suffix are identifiers already). Separators
// and dots are found by characters of the style's code page.
OutputNames DeriveOutputNames(const CString& strPath, const NamingOptions& naming, const PathStyle& style);

// The files a conversion writes besides the .c.
struct OutputFileSet {
    bool bHeader = false;      // <stem>.h
    bool bBinary = false;      // <stem>.bin
    bool bClutBinary = false;  // <stem>_clut.bin
};

// Every path the set names, the .c first.
std::vector<CString> OutputPaths(const OutputNames& names, const OutputFileSet& files);

// Whether two paths name the same file as the style spells them: byte for
// byte, or with ASCII letters folded when it ignores case (only single-byte
// characters: a double-byte character's trail byte is no letter).
bool IsSamePath(const CString& strA, const CString& strB, const PathStyle& style);

// Whether a file name can stand between the quotes of an #include: no '"',
// no control character (below 0x20, and 0x7F), and no backslash where it is
// not the separator (it would start an escape).
bool IsIncludableName(const CString& strFileName, const PathStyle& style);

// A C identifier: A-Z a-z _ first, then A-Z a-z 0-9 _.
bool IsCIdentifier(const CString& strName);

// What --suffix may be: identifier characters only, so that a stem made an
// identifier stays one with it appended.
bool IsIdentifierSuffix(const CString& strSuffix);

// strName as a C identifier: every byte other than A-Z a-z 0-9 _ becomes '_',
// and a leading digit (or nothing at all) gets a '_' in front.
CString MakeCIdentifier(const CString& strName);

}  // namespace zandrel

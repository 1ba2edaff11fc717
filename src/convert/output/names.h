// The naming rule: from a dropped path to the output paths and array name.
#pragma once

#include "convert/options.h"
#include "framework/cstring.h"

namespace zandrel {

struct OutputNames {
    CString strSourcePath;  // <folder><sep><prefix><base>.c
    CString strBinaryPath;  // <folder><sep><prefix><base>.bin
    CString strArrayName;   // <prefix><base>, as the file name spells it
};

// Base name: the file name after the last separator, cut before its last dot
// (the whole file name when it has no dot). Folder: everything before the last
// separator; with no separator the outputs go to the current folder.
OutputNames DeriveOutputNames(const CString& strPath, int bAddPrefix, const PathStyle& style);

// The array name as it is written into the C text: every byte other than
// A-Z a-z 0-9 _ becomes '_', and a leading digit gets a '_' in front.
CString MakeCIdentifier(const CString& strName);

}  // namespace zandrel

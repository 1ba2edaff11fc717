// Files by byte-string path, the same on every platform: 64-bit sizes, a
// temporary file beside a target, and an atomic replace of the target.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/cstring.h"

namespace zandrel {

// Opens a regular file for binary reading; nullptr on failure, with
// *pnError (when given) the system's error code: errno on POSIX,
// GetLastError() on Windows; 0 for something that is no regular file.
std::FILE* OpenFileForReading(const CString& strPath, int* pnError = nullptr);

// Whether strPath names an existing folder.
bool IsFolder(const CString& strPath);

// The system's own words for an error code of OpenFileForReading, without a
// line break or final period: strerror on POSIX, FormatMessage on Windows.
std::string DescribeSystemError(int nError);

// Size of an open file, or -1 when it cannot be told.
std::int64_t MeasureFile(std::FILE* pFile);

// Creates a new empty file with a unique name in the folder of strTarget and
// opens it for binary writing. On failure returns nullptr and sets *pErrno.
std::FILE* CreateTempFileBeside(const CString& strTarget, CString* pTempPath, int* pErrno);

// Renames strFrom over strTo, replacing an existing file. False with *pErrno
// set when it cannot.
bool ReplaceFileWith(const CString& strFrom, const CString& strTo, int* pErrno);

// Creates a folder and any missing folders above it; true when it exists as a
// folder afterwards. False with *pErrno set otherwise.
bool CreateFolders(const CString& strPath, int* pErrno);

// Deletes a file; false when it cannot.
bool DeleteFileAt(const CString& strPath);

}  // namespace zandrel

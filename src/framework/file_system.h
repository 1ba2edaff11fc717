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

// A new file for strTarget that does not appear under its name until it is
// committed.
struct PendingFile {
    std::FILE* pFile = nullptr;  // open for binary writing
    CString strTarget;
    CString strTemp;  // its temporary name (temp_names.h); empty while it has none
};

// Opens a pending file in the folder of strTarget: unnamed where the file
// system allows (Linux O_TMPFILE), so that a killed run leaves nothing;
// otherwise under a temporary name with this process's id. Temporaries of
// strTarget left by processes that are gone are removed first. False with
// *pErrno set when it cannot.
bool CreatePendingFile(const CString& strTarget, PendingFile* pPending, int* pErrno);

// Closes the file and puts it in place of strTarget, replacing what was
// there. False with *pErrno set when it cannot; the file is then removed.
bool CommitPendingFile(PendingFile* pPending, int* pErrno);

// Closes the file and removes it.
void DiscardPendingFile(PendingFile* pPending);

// Creates a folder and any missing folders above it; true when it exists as a
// folder afterwards. False with *pErrno set otherwise.
bool CreateFolders(const CString& strPath, int* pErrno);

}  // namespace zandrel

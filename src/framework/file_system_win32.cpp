#include "framework/file_system.h"

#include <cerrno>
#include <string>

#include <windows.h>

namespace zandrel {
namespace {

// The nearest errno for the Win32 errors a file operation meets.
int ErrnoFromWin32(DWORD dwError)
{
    switch (dwError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

// The folder part of a path, without its separator; "." when there is none.
// The separator search walks the path by characters of the ANSI code page, so
// the trailing byte of a double-byte character is never taken for one.
std::string FolderOf(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind('\\');
    const int nForward = strPath.ReverseFind('/');
    const int nLast = nSlash > nForward ? nSlash : nForward;
    if (nLast < 0)
        return ".";
    if (nLast == 0 || (nLast == 2 && strPath.GetAt(1) == ':'))
        return strPath.Left(nLast + 1).Str();  // a root: "\" or "C:\"
    return strPath.Left(nLast).Str();
}

}  // namespace

std::FILE* OpenFileForReading(const CString& strPath)
{
    return std::fopen(strPath, "rb");
}

std::int64_t MeasureFile(std::FILE* pFile)
{
    const __int64 nStart = _ftelli64(pFile);
    if (nStart < 0 || _fseeki64(pFile, 0, SEEK_END) != 0)
        return -1;
    const __int64 nSize = _ftelli64(pFile);
    if (_fseeki64(pFile, nStart, SEEK_SET) != 0)
        return -1;
    return nSize;
}

std::FILE* CreateTempFileBeside(const CString& strTarget, CString* pTempPath, int* pErrno)
{
    // GetTempFileNameA creates the file exclusively under a name no file in
    // the folder has, so a leftover of an earlier run is never reused.
    char szTemp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(strTarget).c_str(), "znd", 0, szTemp) == 0) {
        *pErrno = ErrnoFromWin32(GetLastError());
        return nullptr;
    }
    std::FILE* pFile = std::fopen(szTemp, "wb");
    if (!pFile) {
        *pErrno = errno ? errno : EIO;
        DeleteFileA(szTemp);
        return nullptr;
    }
    *pTempPath = CString(szTemp);
    return pFile;
}

bool ReplaceFileWith(const CString& strFrom, const CString& strTo, int* pErrno)
{
    if (MoveFileExA(strFrom, strTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *pErrno = ErrnoFromWin32(GetLastError());
    return false;
}

bool DeleteFileAt(const CString& strPath)
{
    return DeleteFileA(strPath) != 0;
}

bool CreateFolders(const CString& strPath, int* pErrno)
{
    // Every folder on the way is attempted (a drive or an existing folder
    // just fails); the last folder decides. Trailing bytes of double-byte
    // characters are never taken for separators.
    const std::string& path = strPath.Str();
    DWORD dwError = ERROR_PATH_NOT_FOUND;
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
            ++i;
            continue;
        }
        if (i < path.size() && path[i] != '\\' && path[i] != '/')
            continue;
        dwError = CreateDirectoryA(path.substr(0, i).c_str(), nullptr) ? 0 : GetLastError();
    }
    const DWORD dwAttributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    *pErrno = dwError && dwError != ERROR_ALREADY_EXISTS ? ErrnoFromWin32(dwError) : ENOTDIR;
    return false;
}

}  // namespace zandrel

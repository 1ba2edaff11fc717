// The file operations on Windows: wide-character "\\?\" paths, temporaries named with the process id, MoveFileEx.
#include "framework/file_system.h"

#include "framework/temp_names.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <io.h>
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

// The wide form of a path in the ANSI code page that passes MAX_PATH: made
// absolute (the "\\?\" form takes no relative parts, "." or "/"), then
// marked "\\?\", or "\\?\UNC\" for a share. Empty when it cannot be formed.
std::wstring LongPathOf(const CString& strPath)
{
    const int nWide = MultiByteToWideChar(CP_ACP, 0, strPath, -1, nullptr, 0);
    if (nWide <= 1)
        return {};
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, strPath, -1, wide.data(), nWide);
    wide.resize(static_cast<size_t>(nWide) - 1);
    if (wide.starts_with(L"\\\\?\\"))
        return wide;
    std::wstring full(MAX_PATH, L'\0');
    DWORD nFull = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (nFull >= full.size()) {  // too small: nFull is the size it needs
        full.assign(nFull, L'\0');
        nFull = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (nFull == 0 || nFull >= full.size())
        return {};
    full.resize(nFull);
    if (full.starts_with(L"\\\\.\\"))
        return full;  // a device such as \\.\NUL
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace

std::FILE* OpenFileForReading(const CString& strPath, int* pnError)
{
    const std::wstring path = LongPathOf(strPath);
    std::FILE* pFile = path.empty() ? nullptr : _wfopen(path.c_str(), L"rb");
    // _wfopen leaves CreateFileW's error in place; a path that cannot be
    // formed is a bad name.
    const DWORD dwError = pFile ? 0 : path.empty() ? ERROR_INVALID_NAME : GetLastError();
    if (pnError)
        *pnError = static_cast<int>(dwError);
    return pFile;
}

bool IsFolder(const CString& strPath)
{
    const std::wstring path = LongPathOf(strPath);
    const DWORD dwAttributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string DescribeSystemError(int nError)
{
    char szText[512] = "";
    const DWORD nLength =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(nError), 0, szText, static_cast<DWORD>(sizeof szText), nullptr);
    std::string text(szText, nLength);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text.empty() ? "error " + std::to_string(nError) : text;
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

namespace {

// The file name of a path, after its last separator.
std::string FileNameOf(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind('\\');
    const int nForward = strPath.ReverseFind('/');
    const int nLast = nSlash > nForward ? nSlash : nForward;
    return strPath.Mid(nLast + 1, strPath.GetLength() - nLast - 1).Str();
}

std::string WithSeparator(std::string folder)
{
    if (folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

// Whether no process has the id any more.
bool ProcessIsGone(unsigned long nPid)
{
    const HANDLE hProcess = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(nPid));
    if (hProcess) {
        CloseHandle(hProcess);
        return false;
    }
    return GetLastError() == ERROR_INVALID_PARAMETER;
}

// Removes the temporaries of fileName whose writer no longer runs.
void SweepStaleTemporaries(const std::string& folder, const std::string& fileName)
{
    const std::wstring pattern = LongPathOf(CString(folder + "." + fileName + ".zandrel-*.tmp"));
    if (pattern.empty())
        return;
    WIN32_FIND_DATAW entry;
    const HANDLE hFind = FindFirstFileW(pattern.c_str(), &entry);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        char szName[MAX_PATH * 2];
        if (WideCharToMultiByte(CP_ACP, 0, entry.cFileName, -1, szName, sizeof szName, nullptr, nullptr) <= 0)
            continue;
        unsigned long nPid = 0;
        if (ParseTempFileName(szName, fileName, &nPid) && ProcessIsGone(nPid)) {
            const std::wstring path = LongPathOf(CString(folder + szName));
            if (!path.empty())
                DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(hFind, &entry));
    FindClose(hFind);
}

}  // namespace

bool CreatePendingFile(const CString& strTarget, PendingFile* pPending, int* pErrno)
{
    // Windows has no unnamed files: the temporary carries this process's id,
    // so that a later run can tell it from the files of a writer still at work.
    const std::string folder = WithSeparator(FolderOf(strTarget));
    const std::string fileName = FileNameOf(strTarget);
    SweepStaleTemporaries(folder, fileName);
    for (unsigned nNumber = 0; nNumber < 10000; ++nNumber) {
        const CString strTemp(folder + TempFileName(fileName, GetCurrentProcessId(), nNumber));
        const std::wstring path = LongPathOf(strTemp);
        if (path.empty()) {
            *pErrno = ENOENT;
            return false;
        }
        const HANDLE hFile = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile == INVALID_HANDLE_VALUE) {
            const DWORD dwError = GetLastError();
            if (dwError == ERROR_FILE_EXISTS || dwError == ERROR_ALREADY_EXISTS)
                continue;
            *pErrno = ErrnoFromWin32(dwError);
            return false;
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(hFile), _O_WRONLY | _O_BINARY);
        std::FILE* pFile = fd < 0 ? nullptr : _fdopen(fd, "wb");
        if (!pFile) {
            *pErrno = errno ? errno : EIO;
            if (fd < 0)
                CloseHandle(hFile);
            else
                _close(fd);
            DeleteFileW(path.c_str());
            return false;
        }
        pPending->pFile = pFile;
        pPending->strTarget = strTarget;
        pPending->strTemp = strTemp;
        return true;
    }
    *pErrno = EEXIST;
    return false;
}

bool CommitPendingFile(PendingFile* pPending, int* pErrno)
{
    errno = 0;
    const bool bClosed = std::fclose(pPending->pFile) == 0;
    pPending->pFile = nullptr;
    if (!bClosed) {
        *pErrno = errno ? errno : EIO;
        DiscardPendingFile(pPending);
        return false;
    }
    const std::wstring from = LongPathOf(pPending->strTemp);
    const std::wstring to = LongPathOf(pPending->strTarget);
    if (!from.empty() && !to.empty() &&
        MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        pPending->strTemp = CString();
        return true;
    }
    *pErrno = from.empty() || to.empty() ? ENOENT : ErrnoFromWin32(GetLastError());
    DiscardPendingFile(pPending);
    return false;
}

void DiscardPendingFile(PendingFile* pPending)
{
    if (pPending->pFile)
        std::fclose(pPending->pFile);
    pPending->pFile = nullptr;
    if (!pPending->strTemp.IsEmpty()) {
        const std::wstring path = LongPathOf(pPending->strTemp);
        if (!path.empty())
            DeleteFileW(path.c_str());
    }
    pPending->strTemp = CString();
}

bool CreateFolders(const CString& strPath, int* pErrno)
{
    // Walked in UTF-16, where no byte of a double-byte character can pass for
    // a separator, and in the long form, so deep folders work too. Every
    // folder on the way is attempted (a drive or an existing folder just
    // fails); the last one decides.
    const std::wstring path = LongPathOf(strPath);
    DWORD dwError = ERROR_PATH_NOT_FOUND;
    for (std::size_t i = path.find(L'\\', 4); !path.empty(); i = path.find(L'\\', i + 1)) {
        dwError = CreateDirectoryW(path.substr(0, i).c_str(), nullptr) ? 0 : GetLastError();
        if (i == std::wstring::npos)
            break;
    }
    const DWORD dwAttributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    *pErrno = dwError && dwError != ERROR_ALREADY_EXISTS ? ErrnoFromWin32(dwError) : ENOTDIR;
    return false;
}

}  // namespace zandrel

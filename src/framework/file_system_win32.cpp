#include "framework/file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <string>

#include <windows.h>

namespace zandrel {

std::FILE* OpenFileForReading(const CString& strPath)
{
    return std::fopen(strPath, "rb");
}

std::int64_t MeasureFile(std::FILE* pFile)
{
    const std::int64_t nStart = _ftelli64(pFile);
    if (nStart < 0 || _fseeki64(pFile, 0, SEEK_END) != 0)
        return -1;
    const std::int64_t nSize = _ftelli64(pFile);
    if (_fseeki64(pFile, nStart, SEEK_SET) != 0)
        return -1;
    return nSize;
}

std::FILE* CreateTempFileBeside(const CString& strTarget, CString* pTempPath, int* pErrno)
{
    // A unique name beside the target: the process id and a counter, created
    // exclusively so that an existing file is never opened.
    for (unsigned nAttempt = 0; nAttempt < 1000; ++nAttempt) {
        char szSuffix[40];
        std::snprintf(szSuffix, sizeof szSuffix, ".%lu.%u.tmp", GetCurrentProcessId(), nAttempt);
        std::string path = strTarget.Str() + szSuffix;
        const int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            std::FILE* pFile = _fdopen(fd, "wb");
            if (!pFile) {
                *pErrno = errno;
                _close(fd);
                DeleteFileA(path.c_str());
                return nullptr;
            }
            *pTempPath = CString(std::move(path));
            return pFile;
        }
        if (errno != EEXIST) {
            *pErrno = errno;
            return nullptr;
        }
    }
    *pErrno = EEXIST;
    return nullptr;
}

bool ReplaceFileWith(const CString& strFrom, const CString& strTo, int* pErrno)
{
    if (MoveFileExA(strFrom, strTo, MOVEFILE_REPLACE_EXISTING))
        return true;
    *pErrno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

bool DeleteFileAt(const CString& strPath)
{
    return DeleteFileA(strPath) != 0;
}

}  // namespace zandrel

// The file operations on POSIX systems: regular files only, mkstemp, rename.
#include "framework/file_system.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace zandrel {

std::FILE* OpenFileForReading(const CString& strPath, int* pnError)
{
    int nError = 0;
    // Only regular files: opening a FIFO would wait for a writer, and a
    // folder or device has no size to bound the reads by.
    std::FILE* pFile = nullptr;
    const int fd = open(strPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        nError = errno;
    } else if (fstat(fd, &info) != 0 || fcntl(fd, F_SETFL, 0) != 0) {
        nError = errno;
    } else if (S_ISREG(info.st_mode)) {
        pFile = fdopen(fd, "rb");
        nError = pFile ? 0 : errno;
    }
    if (!pFile && fd >= 0)
        close(fd);
    if (pnError)
        *pnError = nError;
    return pFile;
}

bool IsFolder(const CString& strPath)
{
    struct stat info {};
    return stat(strPath, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string DescribeSystemError(int nError)
{
    return std::strerror(nError);
}

std::int64_t MeasureFile(std::FILE* pFile)
{
    const off_t nStart = ftello(pFile);
    if (nStart < 0 || fseeko(pFile, 0, SEEK_END) != 0)
        return -1;
    const off_t nSize = ftello(pFile);
    if (fseeko(pFile, nStart, SEEK_SET) != 0)
        return -1;
    return nSize;
}

namespace {

// The permissions a file made with fopen would get: 0666 less the umask.
mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::FILE* CreateTempFileBeside(const CString& strTarget, CString* pTempPath, int* pErrno)
{
    // mkstemp creates the name exclusively, so a leftover of a run that was
    // killed half way can never be taken over; it only costs another name.
    std::string path = strTarget.Str() + ".XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) {
        *pErrno = errno;
        return nullptr;
    }
    // mkstemp makes the file private (0600); the finished output is an
    // ordinary file.
    if (fchmod(fd, NewFileMode()) != 0) {
        *pErrno = errno;
        close(fd);
        unlink(path.c_str());
        return nullptr;
    }
    std::FILE* pFile = fdopen(fd, "wb");
    if (!pFile) {
        *pErrno = errno;
        close(fd);
        unlink(path.c_str());
        return nullptr;
    }
    *pTempPath = CString(std::move(path));
    return pFile;
}

bool ReplaceFileWith(const CString& strFrom, const CString& strTo, int* pErrno)
{
    if (std::rename(strFrom, strTo) == 0)
        return true;
    *pErrno = errno;
    return false;
}

bool DeleteFileAt(const CString& strPath)
{
    return std::remove(strPath) == 0;
}

bool CreateFolders(const CString& strPath, int* pErrno)
{
    // Every folder on the way is attempted; those that exist only fail with
    // EEXIST, and the last folder decides.
    const std::string& path = strPath.Str();
    int nErrno = ENOENT;
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/')
            continue;
        if (mkdir(path.substr(0, i).c_str(), 0777) == 0)
            nErrno = 0;
        else
            nErrno = errno;
    }
    struct stat info {};
    if (!path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return true;
    *pErrno = nErrno && nErrno != EEXIST ? nErrno : ENOTDIR;
    return false;
}

}  // namespace zandrel

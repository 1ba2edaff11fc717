// The file operations on POSIX systems: regular files only, unnamed temporaries (O_TMPFILE) or
// named ones with the process id, rename.
#include "framework/file_system.h"

#include "framework/temp_names.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

// The folder of a path ("." when it has none) and its file name.
void SplitPath(const std::string& path, std::string* pFolder, std::string* pName)
{
    const std::size_t nSlash = path.rfind('/');
    *pFolder = nSlash == std::string::npos ? "." : nSlash == 0 ? "/" : path.substr(0, nSlash);
    *pName = nSlash == std::string::npos ? path : path.substr(nSlash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// Removes the temporaries of fileName whose writer no longer runs.
void SweepStaleTemporaries(const std::string& folder, const std::string& fileName)
{
    DIR* pDir = opendir(folder.c_str());
    if (!pDir)
        return;
    while (const dirent* pEntry = readdir(pDir)) {
        unsigned long nPid = 0;
        if (ParseTempFileName(pEntry->d_name, fileName, &nPid) && nPid > 0 &&
            kill(static_cast<pid_t>(nPid), 0) == -1 && errno == ESRCH)
            unlink(JoinPath(folder, pEntry->d_name).c_str());
    }
    closedir(pDir);
}

// Makes a file under the first free temporary name of fileName, or links the
// unnamed file fdUnnamed under it when fdUnnamed >= 0. Returns the new
// descriptor (fdUnnamed itself when linking), -1 with errno set on failure.
int NameTemporary(const std::string& folder, const std::string& fileName, int fdUnnamed, std::string* pPath)
{
    const unsigned long nPid = static_cast<unsigned long>(getpid());
    for (unsigned nNumber = 0; nNumber < 10000; ++nNumber) {
        *pPath = JoinPath(folder, TempFileName(fileName, nPid, nNumber));
        if (fdUnnamed >= 0) {
            const std::string self = "/proc/self/fd/" + std::to_string(fdUnnamed);
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, pPath->c_str(), AT_SYMLINK_FOLLOW) == 0)
                return fdUnnamed;
            // Without /proc the descriptor itself is linked (this needs privilege).
            if (errno == ENOENT && linkat(fdUnnamed, "", AT_FDCWD, pPath->c_str(), AT_EMPTY_PATH) == 0)
                return fdUnnamed;
        } else {
            const int fd = open(pPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

bool FileSystemLacksUnnamed(int nErrno)
{
    return nErrno == EOPNOTSUPP || nErrno == EISDIR || nErrno == EINVAL;
}

}  // namespace

bool CreatePendingFile(const CString& strTarget, PendingFile* pPending, int* pErrno)
{
    std::string folder, fileName;
    SplitPath(strTarget.Str(), &folder, &fileName);
    SweepStaleTemporaries(folder, fileName);
    std::string temp;
    // The mode 0666 is narrowed by the umask, as for any new file.
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && FileSystemLacksUnnamed(errno))
        fd = NameTemporary(folder, fileName, -1, &temp);
    if (fd < 0) {
        *pErrno = errno;
        return false;
    }
    std::FILE* pFile = fdopen(fd, "wb");
    if (!pFile) {
        *pErrno = errno;
        close(fd);
        if (!temp.empty())
            unlink(temp.c_str());
        return false;
    }
    pPending->pFile = pFile;
    pPending->strTarget = strTarget;
    pPending->strTemp = CString(std::move(temp));
    return true;
}

bool CommitPendingFile(PendingFile* pPending, int* pErrno)
{
    // An unnamed file is linked in under a temporary name first: linkat
    // cannot replace the target, rename can.
    if (pPending->strTemp.IsEmpty()) {
        std::string folder, fileName, temp;
        SplitPath(pPending->strTarget.Str(), &folder, &fileName);
        if (NameTemporary(folder, fileName, fileno(pPending->pFile), &temp) < 0) {
            *pErrno = errno;
            DiscardPendingFile(pPending);
            return false;
        }
        pPending->strTemp = CString(std::move(temp));
    }
    errno = 0;
    const bool bClosed = std::fclose(pPending->pFile) == 0;
    pPending->pFile = nullptr;
    if (!bClosed || std::rename(pPending->strTemp, pPending->strTarget) != 0) {
        *pErrno = errno ? errno : EIO;
        DiscardPendingFile(pPending);
        return false;
    }
    pPending->strTemp = CString();
    return true;
}

void DiscardPendingFile(PendingFile* pPending)
{
    if (pPending->pFile)
        std::fclose(pPending->pFile);
    pPending->pFile = nullptr;
    if (!pPending->strTemp.IsEmpty())
        unlink(pPending->strTemp);
    pPending->strTemp = CString();
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

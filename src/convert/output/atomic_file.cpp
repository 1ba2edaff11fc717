// Output files written whole or not at all, through a temporary file beside each.
#include "convert/output/atomic_file.h"

#include <cerrno>
#include <cstdio>

#include "framework/file_system.h"

namespace zandrel {
namespace {

// Sends bytes to an open file and keeps the errno of the first failure.
class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* pFile) : m_pFile(pFile) {}

    bool Write(const void* pData, std::size_t nCount) override
    {
        if (m_nErrno)
            return false;
        errno = 0;
        if (std::fwrite(pData, 1, nCount, m_pFile) != nCount) {
            m_nErrno = errno ? errno : EIO;
            return false;
        }
        return true;
    }

    int Errno() const { return m_nErrno; }

private:
    std::FILE* m_pFile;
    int m_nErrno = 0;
};

}  // namespace

void WriteFileAtomically(const CString& strPath, const std::function<bool(ByteSink&)>& produce,
                         WriteOutcome* pOutcome)
{
    CString strTemp;
    int nErrno = 0;
    std::FILE* pFile = CreateTempFileBeside(strPath, &strTemp, &nErrno);
    if (!pFile) {
        pOutcome->failures.push_back({strPath, nErrno});
        return;
    }
    // The text is already gathered into large blocks; a second buffer in the
    // stream would only copy it again.
    std::setvbuf(pFile, nullptr, _IONBF, 0);

    FileSink sink(pFile);
    bool bOk = produce(sink);
    if (!bOk)
        nErrno = sink.Errno() ? sink.Errno() : ENOMEM;
    errno = 0;
    if (std::fflush(pFile) != 0 || std::ferror(pFile)) {
        if (bOk)
            nErrno = errno ? errno : EIO;
        bOk = false;
    }
    errno = 0;
    if (std::fclose(pFile) != 0) {
        if (bOk)
            nErrno = errno ? errno : EIO;
        bOk = false;
    }
    if (bOk && !ReplaceFileWith(strTemp, strPath, &nErrno))
        bOk = false;
    if (!bOk) {
        DeleteFileAt(strTemp);
        pOutcome->failures.push_back({strPath, nErrno});
        return;
    }
    pOutcome->written.push_back(strPath);
}

}  // namespace zandrel

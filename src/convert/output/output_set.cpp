// The output set: pending files, put in place together or on their own.
#include "convert/output/output_set.h"

#include <cerrno>
#include <cstdio>
#include <utility>

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

COutputSet::~COutputSet()
{
    for (PendingFile& pending : m_pending)
        DiscardPendingFile(&pending);
}

void COutputSet::Add(const CString& strPath, const std::function<bool(ByteSink&)>& produce)
{
    if (m_bAllOrNothing && !m_outcome.failures.empty())
        return;
    PendingFile pending;
    int nErrno = 0;
    if (!CreatePendingFile(strPath, &pending, &nErrno)) {
        m_outcome.failures.push_back({strPath, nErrno});
        return;
    }
    // The text is already gathered into large blocks; a second buffer in the
    // stream would only copy it again.
    std::setvbuf(pending.pFile, nullptr, _IONBF, 0);

    FileSink sink(pending.pFile);
    bool bOk = produce(sink);
    if (!bOk)
        nErrno = sink.Errno() ? sink.Errno() : ENOMEM;
    errno = 0;
    if (std::fflush(pending.pFile) != 0 || std::ferror(pending.pFile)) {
        if (bOk)
            nErrno = errno ? errno : EIO;
        bOk = false;
    }
    if (!bOk) {
        DiscardPendingFile(&pending);
        m_outcome.failures.push_back({strPath, nErrno});
        return;
    }
    if (m_bAllOrNothing)
        m_pending.push_back(pending);
    else
        Commit(&pending);
}

WriteOutcome COutputSet::Finish()
{
    // A folder in the way would stop the renames half way; it is found first.
    for (const PendingFile& pending : m_pending) {
        if (m_outcome.failures.empty() && IsFolder(pending.strTarget))
            m_outcome.failures.push_back({pending.strTarget, EISDIR});
    }
    for (PendingFile& pending : m_pending) {
        if (m_outcome.failures.empty())
            Commit(&pending);
        else
            DiscardPendingFile(&pending);
    }
    m_pending.clear();
    return std::move(m_outcome);
}

void COutputSet::Commit(PendingFile* pPending)
{
    const CString strPath = pPending->strTarget;
    int nErrno = 0;
    if (CommitPendingFile(pPending, &nErrno))
        m_outcome.written.push_back(strPath);
    else
        m_outcome.failures.push_back({strPath, nErrno});
}

}  // namespace zandrel

// The files of one input's output, written whole or not at all. Each file's
// bytes go to a pending file beside its target (framework/file_system.h).
// All or nothing (the command-line tool): the files are put in place one
// after another only when every one is complete, and after a failure none is,
// so the earlier set stays as it was. Otherwise (the desktop tool) each file
// is put in place as soon as it is complete, on its own.
#pragma once

#include <functional>
#include <vector>

#include "convert/byte_sink.h"
#include "convert/report.h"
#include "framework/cstring.h"
#include "framework/file_system.h"

namespace zandrel {

class COutputSet {
public:
    explicit COutputSet(bool bAllOrNothing) : m_bAllOrNothing(bAllOrNothing) {}
    ~COutputSet();
    COutputSet(const COutputSet&) = delete;
    COutputSet& operator=(const COutputSet&) = delete;

    // Writes what produce gives to a pending file for strPath. With all or
    // nothing, nothing more is written after a failure.
    void Add(const CString& strPath, const std::function<bool(ByteSink&)>& produce);

    // Puts the pending files in place, or removes them all when any file
    // failed, and tells what was written and what failed.
    WriteOutcome Finish();

private:
    void Commit(PendingFile* pPending);

    bool m_bAllOrNothing;
    std::vector<PendingFile> m_pending;
    WriteOutcome m_outcome;
};

}  // namespace zandrel

// Output files written whole or not at all: the bytes go to a temporary file
// beside the target, which is renamed over it only when complete, so a failed
// write leaves the previous file as it was.
#pragma once

#include <cstddef>
#include <functional>

#include "convert/conversion_result.h"
#include "framework/cstring.h"

namespace zandrel {

// Receives formatted bytes. Write returns false once the bytes cannot be
// taken; the formatters stop at the first false.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const void* pData, std::size_t nCount) = 0;
};

// Runs produce on a sink into a temporary file beside strPath and renames it
// over strPath when produce and every file call succeeded. Adds strPath to
// pOutcome->written, or to its failures with the errno of the first failure
// (the temporary file is then removed).
void WriteFileAtomically(const CString& strPath, const std::function<bool(ByteSink&)>& produce,
                         WriteOutcome* pOutcome);

}  // namespace zandrel

// Output files written whole or not at all: the bytes go to a temporary file
// beside the target, which is renamed over it only when complete, so a failed
// write leaves the previous file as it was.
#pragma once

#include <functional>

#include "convert/byte_sink.h"
#include "convert/report.h"
#include "framework/cstring.h"

namespace zandrel {

// Runs produce on a sink into a temporary file beside strPath and renames it
// over strPath when produce and every file call succeeded. Adds strPath to
// pOutcome->written, or to its failures with the errno of the first failure
// (the temporary file is then removed).
void WriteFileAtomically(const CString& strPath, const std::function<bool(ByteSink&)>& produce,
                         WriteOutcome* pOutcome);

}  // namespace zandrel

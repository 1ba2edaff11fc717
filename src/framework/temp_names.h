// The names of temporary output files: ".<file>.zandrel-<pid>-<n>.tmp" beside
// the target, so that a run can tell the leftovers of a killed writer.
#pragma once

#include <string>

namespace zandrel {

// The temporary name number nNumber of process nPid gives while writing
// fileName (a name without folder).
std::string TempFileName(const std::string& fileName, unsigned long nPid, unsigned nNumber);

// Whether entry is a temporary name of fileName; sets *pPid to the process
// that made it.
bool ParseTempFileName(const std::string& entry, const std::string& fileName, unsigned long* pPid);

}  // namespace zandrel

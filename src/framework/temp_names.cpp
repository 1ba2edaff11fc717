// The temporary names: made and recognised.
#include "framework/temp_names.h"

namespace zandrel {
namespace {

constexpr char kMarker[] = ".zandrel-";
constexpr char kEnding[] = ".tmp";

// Reads decimal digits from text at *pAt up to a non-digit; false when there
// are none or they pass what an unsigned long holds.
bool ReadNumber(const std::string& text, std::size_t* pAt, unsigned long* pValue)
{
    const std::size_t nStart = *pAt;
    unsigned long nValue = 0;
    while (*pAt < text.size() && text[*pAt] >= '0' && text[*pAt] <= '9') {
        if (*pAt - nStart >= 9)
            return false;
        nValue = nValue * 10 + static_cast<unsigned long>(text[*pAt] - '0');
        ++*pAt;
    }
    *pValue = nValue;
    return *pAt > nStart;
}

}  // namespace

std::string TempFileName(const std::string& fileName, unsigned long nPid, unsigned nNumber)
{
    return "." + fileName + kMarker + std::to_string(nPid) + "-" + std::to_string(nNumber) + kEnding;
}

bool ParseTempFileName(const std::string& entry, const std::string& fileName, unsigned long* pPid)
{
    const std::string prefix = "." + fileName + kMarker;
    if (entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    std::size_t nAt = prefix.size();
    unsigned long nNumber = 0;
    if (!ReadNumber(entry, &nAt, pPid) || nAt >= entry.size() || entry[nAt++] != '-' ||
        !ReadNumber(entry, &nAt, &nNumber))
        return false;
    return entry.compare(nAt, std::string::npos, kEnding) == 0;
}

}  // namespace zandrel

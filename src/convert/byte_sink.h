// ByteSink: where formatted output bytes go (a file, or memory in tests).
#pragma once

#include <cstddef>

namespace zandrel {

// Receives formatted bytes. Write returns false once the bytes cannot be
// taken; the formatters stop at the first false.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const void* pData, std::size_t nCount) = 0;
};

}  // namespace zandrel

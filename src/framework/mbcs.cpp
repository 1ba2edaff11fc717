// The lead bytes of the East Asian code pages, and the C runtime's current one.
#include "framework/mbcs.h"

#ifdef _WIN32
#include <mbctype.h>
#endif

namespace zandrel {

bool IsLeadByte(unsigned codePage, unsigned char byte)
{
    switch (codePage) {
    case 932:  // Shift_JIS: 0x81-0x9F and 0xE0-0xFC
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:  // GBK
    case 949:  // Unified Hangul Code
    case 950:  // Big5
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

unsigned CurrentMultiByteCodePage()
{
#ifdef _WIN32
    const int codePage = _getmbcp();
    return codePage > 0 ? static_cast<unsigned>(codePage) : kSingleByteCodePage;
#else
    return kSingleByteCodePage;
#endif
}

}  // namespace zandrel

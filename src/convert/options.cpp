#include "convert/options.h"

#include "framework/mbcs.h"

namespace zandrel {

PathStyle PathStyle::Native()
{
#ifdef _WIN32
    return PathStyle{'\\', CurrentMultiByteCodePage()};
#else
    return PathStyle{'/', kSingleByteCodePage};
#endif
}

}  // namespace zandrel

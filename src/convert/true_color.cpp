#include "convert/convert_file.h"

// Placeholder until the true-colour path lands.
namespace zandrel {

ConversionReport ConvertTrueColor(const CDibSurface&, const OutputRequest&)
{
    return {};
}

}  // namespace zandrel

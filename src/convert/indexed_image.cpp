#include "convert/indexed_image.h"

// Placeholder until the indexed path lands: 8-bit files are recognised and refused.
namespace zandrel {

Refusal ReadIndexedImage(ByteReader&, IndexedImage*)
{
    return Refusal::kUnsupportedDepth;
}

}  // namespace zandrel

// The 1-, 4- and 16-bit bitmaps of the low-depth golden cases, built from tables at test time.
#pragma once

#include "support/bitmap_builder.h"

namespace zandrel::test {

// Files textures read: 1 and 4 bits plain and RLE4, 16 bits of every mask set read.
Files LowDepthBitmaps();
// Files textures refuse as well: one defect a file.
Files LowDepthRefusalBitmaps();

}  // namespace zandrel::test

// The refused bitmaps of the golden case "refusals", built from one table at test time.
#pragma once

#include "support/bitmap_builder.h"

namespace zandrel::test {

// File name to contents: one defect a file.
Files RefusalBitmaps();

}  // namespace zandrel::test

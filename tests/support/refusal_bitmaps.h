// The refused bitmaps of the golden case "refusals", built from one table at test time.
#pragma once

#include <map>
#include <string>

#include "support/bitmap_builder.h"

namespace zandrel::test {

// File name to contents: one defect a file.
std::map<std::string, Bytes> RefusalBitmaps();

}  // namespace zandrel::test

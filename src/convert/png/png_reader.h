// PNG input: a PNG file decoded into a DecodedImage.
#pragma once

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"

namespace zandrel {

// Reads a whole PNG file from the reader's start. Palette images become the
// indexed shape, everything else the true-colour shape.
Refusal ReadPngImage(ByteReader& reader, DecodedImage* pImage);

}  // namespace zandrel

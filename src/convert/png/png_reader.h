// PNG input: a PNG file decoded into a DecodedImage.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"
#include "convert/image_file.h"

namespace zandrel {

// Reads a whole PNG file from the reader's start. Palette images become the
// indexed shape, everything else the true-colour surface.
Refusal ReadPngImage(ByteReader& reader, DecodedImage* pImage);

// Bitmaps and PNG files, for the entry points.
constexpr InputFormats kBmpAndPng{&ReadPngImage};

}  // namespace zandrel

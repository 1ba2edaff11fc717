// PNG input: a PNG file decoded into a DecodedImage.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/conversion_result.h"

namespace zandrel {

struct DecodedImage;

// True when the first bytes are the PNG signature.
bool IsPngSignature(const std::uint8_t* pBytes, std::size_t nCount);

// Reads a whole PNG file from the reader's start. Palette images become the
// indexed shape, everything else the true-colour surface.
Refusal ReadPngImage(ByteReader& reader, DecodedImage* pImage);

}  // namespace zandrel

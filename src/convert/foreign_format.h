// Files of image formats the engine does not read, told by their first bytes
// so that the refusal can name the format.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/report.h"

namespace zandrel {

// The bytes a recognition needs at most.
constexpr std::size_t kForeignSignatureBytes = 12;

// kJpegFile, kGifFile, kWebpFile, kTiffFile or kDdsFile for a file starting
// with that format's signature; kNone for any other start.
Refusal RecognizeForeignFormat(const std::uint8_t* pHead, std::size_t nHead);

}  // namespace zandrel

// The text of the default output's .c file: the desktop tool's three layouts
// (24-bit, 32-bit with alpha, palette image), CR LF line ends.
#pragma once

#include <cstdint>

#include "convert/byte_sink.h"
#include "convert/color16.h"
#include "framework/cstring.h"

namespace zandrel {

// pAlpha is null for a 24-bit image. Rows: nHeight lines of nWidth elements;
// nothing for a height <= 0.
bool FormatTrueColorSource(ByteSink& sink, const CString& strArrayName, int bAddConst, const Color16* pWords,
                           const std::uint8_t* pAlpha, int nWidth, int nHeight);
bool FormatIndexedSource(ByteSink& sink, const CString& strArrayName, int bAddConst, const Color16* pPalette,
                         int nColorCount, const std::uint8_t* pIndices, int nWidth, int nHeight);

}  // namespace zandrel

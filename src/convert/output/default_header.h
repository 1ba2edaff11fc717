// The default output's .h (with --header): include guard, the image's size
// as _WIDTH and _HEIGHT, the arrays' sizes, and declarations of the arrays of the .c file.
#pragma once

#include "convert/byte_sink.h"
#include "framework/cstring.h"

namespace zandrel {

// For an image of nBitCount bits: 8 declares the palette (nColorCount
// entries) and the indices, 24 the colour words, 32 the colour words and the
// alpha bytes; each sized, with its size in bytes as a macro.
bool FormatImageHeader(ByteSink& sink, const CString& strArrayName, int bAddConst, int nBitCount, int nWidth,
                       int nHeight, int nColorCount);

}  // namespace zandrel

// The output files of a texture: the C source with the aligned arrays, the
// header with the GE parameters as macros, and the raw .bin files.
#pragma once

#include "convert/output/names.h"
#include "convert/report.h"
#include "convert/texture/encoder.h"
#include "convert/texture/texture_options.h"

namespace zandrel {

// Writes <stem>.c, <stem>.h and, when asked for, <stem>.bin and (index
// formats) <stem>_clut.bin, each atomically, in that order. The .c includes
// the .h by its file name.
WriteOutcome WriteTextureFiles(const OutputNames& names, const TextureOptions& options, const EncodedTexture& texture);

}  // namespace zandrel

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
// the .h by its file name. With pSharedClut (index formats), the texture has
// no CLUT of its own: its .h includes the shared one's and defines its CLUT
// macros from it.
WriteOutcome WriteTextureFiles(const OutputNames& names, const TextureOptions& options, const EncodedTexture& texture,
                               const OutputNames* pSharedClut = nullptr);

// Writes the CLUT of clut (its texels are not read) as <stem>.c, <stem>.h and,
// when asked for, <stem>.bin, the array named as the names say.
WriteOutcome WriteSharedClutFiles(const OutputNames& names, const TextureOptions& options, const EncodedTexture& clut);

}  // namespace zandrel

// The output files of a texture: the C source with the aligned arrays, the
// header with the GE parameters as macros, and the raw .bin files.
#pragma once

#include <string>
#include <vector>

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

// A file written with the pages, all or none of them: its path and bytes.
struct ExtraFile {
    CString strPath;
    std::string bytes;
};

// Several textures in one .c and .h (the pages of an atlas). Index formats
// share the first page's CLUT.
struct TexturePages {
    std::vector<EncodedTexture> pages;  // at least one
    std::string includes;       // .h lines after the guard, e.g. "#include <stdint.h>\r\n"
    std::string declarations;   // .h text after the arrays' declarations
    std::vector<ExtraFile> extras;
};

// Writes <stem>.c and <stem>.h, with --binary one .bin a page (<stem>.bin
// for one page, <stem>_page<n>.bin for more) and <stem>_clut.bin, then the
// extras: all of them or, after a failure, none. One page is named as the
// atlas (array <name>, macros <NAME>_WIDTH ...); more are <name>_page<n>
// with macros <NAME>_PAGE<n>_WIDTH ...; <NAME>_PAGES counts them.
WriteOutcome WriteTexturePageFiles(const OutputNames& names, const TextureOptions& options, const TexturePages& pages);

}  // namespace zandrel

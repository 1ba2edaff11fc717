// The output files of a texture: the C source with the aligned arrays, the
// header with the GE parameters as macros, and the raw .bin files.
#pragma once

#include "convert/output/atomic_file.h"
#include "convert/report.h"
#include "convert/texture/encoder.h"
#include "framework/cstring.h"

namespace zandrel {

struct TextureRequest {
    CString strStem;        // output path without extension: stem.c, stem.h, stem.bin, stem_clut.bin
    CString strIncludeName; // the header's file name, as the .c includes it
    CString strIdentifier;  // the array name, a C identifier
    int m_bAddConst = 1;
    int m_bWriteBinary = 0;
};

bool FormatTextureSource(ByteSink& sink, const TextureRequest& request, const EncodedTexture& texture);
bool FormatTextureHeader(ByteSink& sink, const TextureRequest& request, const EncodedTexture& texture);

// Writes stem.c, stem.h and, when asked for, stem.bin and (index formats)
// stem_clut.bin, each atomically, in that order.
WriteOutcome WriteTextureFiles(const TextureRequest& request, const EncodedTexture& texture);

// The header of the default output: guard, sizes and the arrays' declarations
// for an image of nBitCount (8, 24 or 32) bits.
bool FormatImageHeader(ByteSink& sink, const CString& strIdentifier, int bAddConst, int nBitCount, int nWidth,
                       int nHeight);

// stem.h from the path of the default output's .c file.
CString HeaderPathFor(const CString& strSourcePath);

}  // namespace zandrel

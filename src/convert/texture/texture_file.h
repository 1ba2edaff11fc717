// One input file to a GE texture: decode, encode, write.
#pragma once

#include "convert/report.h"
#include "convert/image_file.h"
#include "convert/options.h"
#include "convert/output/names.h"
#include "convert/texture/encoder.h"

namespace zandrel {

// Reads strPath and writes the texture files named after names.strSourcePath
// (its ".c" replaced) with names.strArrayName as the array name; style tells
// where the file name in those paths starts. Never throws; nothing is written
// for a refused file.
ConversionReport ConvertTextureFile(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                    const TextureOptions& texture, InputFormats eFormats, const PathStyle& style);

}  // namespace zandrel

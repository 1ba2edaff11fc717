// The engine's entry points: one call converts one file (or, for the desktop
// tool, one image it has loaded) with one set of options. Names come derived
// (output/names.h); nothing is written for a refused file; results are values.
#pragma once

#include <vector>

#include "convert/bmp/dib_surface.h"
#include "convert/image.h"
#include "convert/image_file.h"
#include "convert/output/default_output.h"
#include "convert/output/names.h"
#include "convert/report.h"
#include "convert/texture/texture_options.h"
#include "framework/cstring.h"

namespace zandrel {

// The default output of a file: decoded by its signature, then written by
// its shape (a palette image, or true colour with or without alpha).
ConversionReport ConvertImageFile(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                  InputFormats eFormats);

// A GE texture of a file: decoded, encoded, written. Bitmaps of 1, 4 and 16
// bits are read here (InputFormats::bLowDepthBitmaps), whatever eFormats says.
ConversionReport ConvertTextureFile(const CString& strPath, const OutputNames& names, const TextureOptions& options,
                                    InputFormats eFormats);

// Textures of several files looked up in one CLUT (options.eFormat t8 or
// t4): every file decoded, one palette planned over them all and each
// texture encoded before anything is written; then the CLUT's files under
// clutNames, then each texture's. One report a file, and *pClutReport. When
// any file is refused, nothing is written: that file's report says why, the
// others' are Refusal::kSharedClutIncomplete.
std::vector<ConversionReport> ConvertSharedClutTextures(const std::vector<CString>& paths,
                                                        const std::vector<OutputNames>& names,
                                                        const OutputNames& clutNames, const TextureOptions& options,
                                                        InputFormats eFormats, ConversionReport* pClutReport);

// The desktop tool's two paths. The true-colour path takes the image its
// surface loaded; the indexed path reads the 8-bit bitmap file itself.
ConversionReport ConvertTrueColorImage(const TrueColorImage& image, const OutputNames& names,
                                       const ConvertOptions& options);
ConversionReport ConvertIndexedBitmapFile(const CString& strPath, const OutputNames& names,
                                          const ConvertOptions& options);

}  // namespace zandrel

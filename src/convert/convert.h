// The engine's entry points: one call converts one file with one set of
// options. The desktop tool and the command-line tool both call these.
#pragma once

#include "convert/byte_reader.h"
#include "convert/report.h"
#include "convert/image_file.h"
#include "convert/bmp/dib_surface.h"
#include "convert/options.h"
#include "convert/output/names.h"
#include "convert/output/default_output.h"
#include "framework/cstring.h"

namespace zandrel {

// Derives the output names, decodes the file and dispatches on its depth:
// 8 bits to the indexed path, 24 and 32 to the true-colour path; anything else
// is refused. Never throws. ConvertBitmapFile reads bitmaps only.
ConversionReport ConvertBitmapFile(const CString& strPath, const ConvertOptions& options, const PathStyle& style);
ConversionReport ConvertImageFile(const CString& strPath, const ConvertOptions& options, const PathStyle& style,
                                  InputFormats eFormats);
// The same with the output names given rather than derived from strPath.
ConversionReport ConvertImageFileTo(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                    InputFormats eFormats);

// The indexed path on its own: reads the 8-bit bitmap file itself.
ConversionReport ConvertIndexedBitmapFile(const CString& strPath, const ConvertOptions& options,
                                          const PathStyle& style);

// The true-colour path: packs a filled surface into colour words (and alpha
// bytes for 32 bits) and writes them.
ConversionReport ConvertTrueColor(const CDibSurface& surface, const OutputRequest& request);

}  // namespace zandrel

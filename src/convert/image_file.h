// DecodeImageFile: an input file read into a DecodedImage by the reader its
// signature calls for; InputFormats, which readers an entry point may use.
#pragma once

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/png/png_reader.h"
#include "convert/report.h"
#include "framework/cstring.h"

namespace zandrel {

// Bitmaps always, PNG when a PNG reader is given. The desktop tool reads
// bitmaps only and passes none, so the PNG decoders are not linked into it.
// Bitmaps of 1, 4 and 16 bits are read only when bLowDepthBitmaps is set.
struct InputFormats {
    Refusal (*pfnReadPng)(ByteReader& reader, DecodedImage* pImage) = nullptr;
    bool bLowDepthBitmaps = false;
};
constexpr InputFormats kBmpOnly{};
constexpr InputFormats kBmpAndPng{&ReadPngImage, false};
// What textures read: the default output refuses 1-, 4- and 16-bit bitmaps
// as the desktop tool does, textures (atlases and shared CLUTs too) take them.
constexpr InputFormats kTextureInputs{&ReadPngImage, true};

// Decodes the file by its signature: PNG (when taken), else bitmap; a
// folder, an empty file and the formats of foreign_format.h are refused as
// such. Refusal::kNone when *pImage was filled. For a refusal *pnDetail gets
// the number the reason carries (the depth of kUnsupportedDepth and
// kUnsupportedTextureDepth, the system's error code of kCannotOpen), 0
// otherwise.
// The input is read completely and closed before this returns.
Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage, int* pnDetail);

}  // namespace zandrel

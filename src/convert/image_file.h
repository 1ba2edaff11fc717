// DecodedImage: an input file decoded into memory, whatever its format, in
// the one of two shapes the converters take: a palette image (colours and one
// index byte a pixel) or a true-colour surface (blue, green, red, alpha; top
// row first). Readers fill it; converters never look at file bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"
#include "convert/bmp/dib_surface.h"
#include "convert/bmp/indexed_rows.h"
#include "framework/cstring.h"

namespace zandrel {

struct DecodedImage {
    // 8: `indexed` holds the image. 24: `surface` holds it, every pixel
    // opaque. 32: `surface` holds it with the alpha the default output
    // writes. For a refused file: the depth its header gave, 0 when unknown.
    int nBitCount = 0;
    CDibSurface surface;
    IndexedImage indexed;
};

// Which file formats an entry point takes: bitmaps always, PNG when a PNG
// reader is given (kBmpAndPng in png/png_reader.h). The desktop tool reads
// bitmaps only and passes none, so the PNG decoders are not linked into it.
struct InputFormats {
    Refusal (*pfnReadPng)(ByteReader& reader, DecodedImage* pImage) = nullptr;
};
constexpr InputFormats kBmpOnly{};

// True when the first bytes are the PNG signature.
bool IsPngSignature(const std::uint8_t* pBytes, std::size_t nCount);

// Decodes the file by its signature. Refusal::kNone when *pImage was filled.
// The input is read completely and closed before this returns.
Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage);

}  // namespace zandrel

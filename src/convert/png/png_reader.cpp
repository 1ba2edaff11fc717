// ReadPngImage: the whole file in one buffer, its chunks checked, then decoded.
#include "convert/png/png_reader.h"

#include <cstdint>

#include "convert/large_buffer.h"
#include "convert/png/png_chunks.h"
#include "convert/png/png_decoder.h"
#include "convert/png/png_image_builder.h"
#include "convert/png/png_signature.h"

namespace zandrel {

// The whole file is read into one buffer: the chunks are checked in it and
// compacted to what the decoder needs, and it is freed before the image is
// handed on, so that it never meets the writers' arrays.
Refusal ReadPngImage(ByteReader& reader, DecodedImage* pImage)
{
    if (reader.Size() > SIZE_MAX)
        return Refusal::kTooLarge;
    const std::size_t nSize = static_cast<std::size_t>(reader.Size());
    if (nSize < 8)
        return Refusal::kNotBitmap;
    LargeBuffer file;
    if (!file.Allocate(nSize))
        return Refusal::kOutOfMemory;
    if (!reader.Read(file.Data(), nSize))
        return Refusal::kCannotOpen;
    if (!IsPngSignature(file.Data(), nSize))
        return Refusal::kNotBitmap;

    PngHeader header;
    std::size_t nKept = 0;
    Refusal eRefusal = ReadPngChunks(file.Data(), nSize, !kPngDecoderChecksDataCrcs, &header, &nKept);
    PngImageBuilder builder;
    if (eRefusal == Refusal::kNone)
        eRefusal = builder.Begin(header, pImage);
    if (eRefusal == Refusal::kNone)
        eRefusal = DecodePngRows(file.Data(), nKept, header, builder);
    if (eRefusal != Refusal::kNone && kPngDecoderChecksDataCrcs && !PngDataCrcsMatch(file.Data(), nKept))
        eRefusal = Refusal::kPngBadChecksum;
    if (eRefusal != Refusal::kNone) {
        pImage->eShape = ImageShape::kNone;
        pImage->trueColor.Release();
        pImage->indexed.indices.Release();
    }
    return eRefusal;
}

}  // namespace zandrel

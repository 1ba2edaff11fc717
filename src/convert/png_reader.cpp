#include "convert/png_reader.h"

#include <cstring>

#include "convert/decoded_image.h"

namespace zandrel {

bool IsPngSignature(const std::uint8_t* pBytes, std::size_t nCount)
{
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return nCount >= sizeof kSignature && std::memcmp(pBytes, kSignature, sizeof kSignature) == 0;
}

// Decoding is not built yet: a PNG is refused like any other non-bitmap.
Refusal ReadPngImage(ByteReader&, DecodedImage*)
{
    return Refusal::kNotBitmap;
}

}  // namespace zandrel

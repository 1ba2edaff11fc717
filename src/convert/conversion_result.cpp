#include "convert/conversion_result.h"

namespace zandrel {

const char* DescribeRefusal(Refusal eRefusal)
{
    switch (eRefusal) {
    case Refusal::kNone: return "converted";
    case Refusal::kCannotOpen: return "cannot be opened";
    case Refusal::kNotBitmap: return "not a bitmap file";
    case Refusal::kTruncated: return "the file ends before the image does";
    case Refusal::kBadHeader: return "the bitmap headers are inconsistent";
    case Refusal::kUnsupportedDepth: return "only 8, 24 and 32 bits per pixel are converted";
    case Refusal::kUnsupportedFormat: return "this bitmap compression is not supported";
    case Refusal::kTooLarge: return "the image is too large";
    case Refusal::kOutOfMemory: return "not enough memory for the image";
    case Refusal::kPngBadChecksum: return "the PNG file is corrupt (bad checksum)";
    case Refusal::kPngBadHeader: return "the PNG header is invalid";
    case Refusal::kPngBadChunks: return "the PNG chunks are malformed or out of order";
    case Refusal::kPngBadPalette: return "the PNG palette is missing or invalid";
    case Refusal::kPngBadData: return "the PNG image data is corrupt";
    }
    return "refused";
}

}  // namespace zandrel

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
    case Refusal::kCorruptPixels: return "the pixel data is corrupt";
    case Refusal::kEmbeddedImage: return "JPEG/PNG data inside a bitmap is not supported";
    case Refusal::kTopDownRle: return "top-down run-length bitmaps are not supported";
    }
    return "refused";
}

}  // namespace zandrel

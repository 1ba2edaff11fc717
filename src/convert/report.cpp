// DescribeRefusal: the sentence the command-line tool prints for each reason.
#include "convert/report.h"

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
    case Refusal::kTextureNeedsPalette:
        return "t8 and t4 need a palette image (true colour is not quantised to a palette)";
    case Refusal::kTextureIndexTooLarge: return "t4 holds palette indices 0 to 15 only";
    case Refusal::kTextureTooLarge: return "the texture would be larger than 2 GiB";
    case Refusal::kHeaderNameUnusable: return "the header name cannot be #included; choose another with --name";
    case Refusal::kBufferTooWide: return "the GE's buffer width holds at most 2047 texels";
    case Refusal::kTransparentIndexNeedsPalette: return "--transparent-index needs a palette image";
    case Refusal::kSharedClutIncomplete: return "not written: another input of the shared colour table was refused";
    case Refusal::kTransparentIndexPastColors: return "--transparent-index must be below the number of colours";
    case Refusal::kCorruptPixels: return "the pixel data is corrupt";
    case Refusal::kEmbeddedImage: return "JPEG/PNG data inside a bitmap is not supported";
    case Refusal::kTopDownRle: return "top-down run-length bitmaps are not supported";
    case Refusal::kUnsupportedTextureDepth: return "only 1, 4, 8, 16, 24 and 32 bits per pixel are read";
    case Refusal::kUnsupportedMasks16:
        return "16-bit bitmaps are read with 5-6-5, 5-5-5, 1-5-5-5 and 4-4-4-4 masks only";
    case Refusal::kIsFolder: return "is a folder";
    case Refusal::kEmptyFile: return "the file is empty";
    case Refusal::kJpegFile: return "a JPEG file (only BMP and PNG are read)";
    case Refusal::kGifFile: return "a GIF file (only BMP and PNG are read)";
    case Refusal::kWebpFile: return "a WebP file (only BMP and PNG are read)";
    case Refusal::kTiffFile: return "a TIFF file (only BMP and PNG are read)";
    case Refusal::kDdsFile: return "a DDS file (only BMP and PNG are read)";
    case Refusal::kMipmapsNeedPowerOfTwo: return "mipmaps need power-of-two sides; add --pow2";
    }
    return "refused";
}

}  // namespace zandrel

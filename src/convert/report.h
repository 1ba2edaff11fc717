// What one conversion did, as a value: the result code the desktop tool turns
// into its message box, and the details the command-line tool prints.
#pragma once

#include <utility>
#include <vector>

#include "framework/cstring.h"

namespace zandrel {

// Result codes of a conversion.
enum : int {
    kConvertRefused = 0,      // not a bitmap we convert; nothing written
    kConvertDone = 1,         // every output file written
    kConvertWriteFailed = 2,  // the input was fine but an output could not be written
};

enum class Refusal {
    kNone,
    kCannotOpen,          // the input file cannot be opened or read
    kNotBitmap,           // no "BM" signature
    kTruncated,           // the file ends before its headers, palette or pixels do
    kBadHeader,           // header fields that contradict each other or the file
    kUnsupportedDepth,    // a colour depth other than 8, 24 or 32 bits
    kUnsupportedFormat,   // a compression or layout we do not decode
    kTooLarge,            // the image's sizes do not fit the output arrays
    kOutOfMemory,         // a buffer for the image could not be allocated
    kPngBadChecksum,      // a PNG chunk whose CRC does not match its bytes
    kPngBadHeader,        // a PNG IHDR with invalid fields
    kPngBadChunks,        // PNG chunks malformed, out of order or unknown and critical
    kPngBadPalette,       // a PNG palette image without a usable PLTE
    kPngBadData,          // PNG image data the decoder cannot inflate or unfilter
    kTextureNeedsPalette,     // a true-colour image asked for an index format
    kTextureIndexTooLarge,    // t4 asked for an image using an index above 15
    kTextureTooLarge,         // the stored texture would pass 2^31 - 1 bytes
    kHeaderNameUnusable,      // the .h file's name cannot be #included
    kBufferTooWide,           // the buffer width would pass the GE's 2047 texels
    kTransparentIndexNeedsPalette,  // --transparent-index on a true-colour image
    kTransparentIndexPastColors,    // t8/t4: --transparent-index not below the number of colours
    kSharedClutIncomplete,          // another input of a shared CLUT was refused
    kCorruptPixels,       // compressed pixel data that writes outside the image
    kEmbeddedImage,       // BI_JPEG / BI_PNG: a whole other file format inside
    kTopDownRle,          // run-length data with a negative height
    kUnsupportedTextureDepth,  // textures: a colour depth other than 1, 4, 8, 16, 24 or 32 bits
    kUnsupportedMasks16,  // a 16-bit bitmap whose masks are not 5-6-5, 5-5-5, 1-5-5-5 or 4-4-4-4
    kIsFolder,            // the input path names a folder
    kEmptyFile,           // the input file holds no bytes
    kJpegFile,            // files of formats we do not read, known by their signature
    kGifFile,
    kWebpFile,
    kTiffFile,
    kDdsFile,
    kMipmapsNeedPowerOfTwo,  // mipmaps of an image whose sides are not powers of two, without --pow2
};

// One English sentence fragment for the command-line tool, e.g. "not a bitmap file".
const char* DescribeRefusal(Refusal eRefusal);

struct WriteFailure {
    CString strPath;     // the output file that could not be written
    int nErrno = 0;      // errno of the failing call, 0 when unknown
};

struct WriteOutcome {
    std::vector<CString> written;         // files replaced with complete new contents
    std::vector<WriteFailure> failures;   // files left as they were
    bool Succeeded() const { return failures.empty(); }
};

struct ConversionReport {
    int nResult = kConvertRefused;
    Refusal eRefusal = Refusal::kNone;
    // The number a refusal carries: the depth the header gives for
    // kUnsupportedDepth and kUnsupportedTextureDepth (0 when unknown), the highest index used for
    // kTextureIndexTooLarge, the buffer width needed for kBufferTooWide, the
    // system's error code for kCannotOpen (0 when there is none; see
    // DescribeSystemError).
    int nRefusalDetail = 0;
    int nWidth = 0;         // the image's sides; refused: set for kMipmapsNeedPowerOfTwo only
    int nHeight = 0;
    WriteOutcome output;    // empty when refused
};

// The report of a file that was refused: nothing was written.
inline ConversionReport ReportRefused(Refusal eRefusal, int nDetail = 0)
{
    ConversionReport report;
    report.eRefusal = eRefusal;
    report.nRefusalDetail = nDetail;
    return report;
}

// The same for a refusal of an image of these sides, which the report keeps
// where the refusal names them (kMipmapsNeedPowerOfTwo).
inline ConversionReport ReportRefused(Refusal eRefusal, int nDetail, int nWidth, int nHeight)
{
    ConversionReport report = ReportRefused(eRefusal, nDetail);
    if (eRefusal == Refusal::kMipmapsNeedPowerOfTwo) {
        report.nWidth = nWidth;
        report.nHeight = nHeight;
    }
    return report;
}

// The report of an image that was read and handed to the writers: done when
// every output was written, a write failure otherwise.
inline ConversionReport ReportWritten(int nWidth, int nHeight, WriteOutcome outcome)
{
    ConversionReport report;
    report.nResult = outcome.Succeeded() ? kConvertDone : kConvertWriteFailed;
    report.nWidth = nWidth;
    report.nHeight = nHeight;
    report.output = std::move(outcome);
    return report;
}

}  // namespace zandrel

// The two output files of a conversion: the C source text and the raw binary.
//
// The text is formatted from lookup tables into a reused 1 MiB buffer and
// handed to a ByteSink as the buffer fills; files are written to a temporary
// file beside the target and renamed over it only when complete, so a failed
// write leaves the previous output as it was.
#pragma once

#include <cstddef>
#include <cstdint>

#include "convert/output/atomic_file.h"
#include "convert/color16.h"
#include "convert/report.h"
#include "convert/options.h"
#include "convert/output/names.h"

namespace zandrel {

// What the writers need of one conversion request.
struct OutputRequest {
    CString strSourcePath;
    CString strBinaryPath;
    CString strIdentifier;  // the array name as written into the text (a C identifier)
    int m_bAddConst = 1;
    int m_bWriteBinary = 0;
    int m_bLittleEndian = 1;
};

OutputRequest MakeOutputRequest(const OutputNames& names, const ConvertOptions& options);

// Text of the C source file, CR LF line ends. pAlpha is null for a 24-bit
// image. Rows: nHeight lines of nWidth elements; nothing for a height <= 0.
bool FormatTrueColorSource(ByteSink& sink, const CString& strIdentifier, int bAddConst,
                           const Color16* pWords, const std::uint8_t* pAlpha, int nWidth, int nHeight);
bool FormatIndexedSource(ByteSink& sink, const CString& strIdentifier, int bAddConst,
                         const Color16* pPalette, int nColorCount, const std::uint8_t* pIndices,
                         int nWidth, int nHeight);

// Contents of the binary file, words as they lie in memory (ApplyByteOrder
// has already run): the colour words, then the alpha bytes when pAlpha is not
// null; or the palette words, then the index bytes. Nothing for a width or
// height <= 0 (the palette still, for an indexed image).
bool WriteTrueColorBinary(ByteSink& sink, const Color16* pWords, const std::uint8_t* pAlpha, int nWidth,
                          int nHeight);
bool WriteIndexedBinary(ByteSink& sink, const Color16* pPalette, int nColorCount, const std::uint8_t* pIndices,
                        int nWidth, int nHeight);

// Swaps the bytes of each word in place unless the machine's order already is
// the one asked for (bLittleEndian nonzero: low byte first).
void ApplyByteOrder(Color16* pWords, std::size_t nCount, int bLittleEndian);

// Writes the C source file, then swaps the words in place when big-endian
// output is asked for, then writes the binary file when asked for. The binary
// file is attempted even when the C source file failed.
WriteOutcome WriteTrueColorFiles(const OutputRequest& request, Color16* pWords, const std::uint8_t* pAlpha,
                                 int nWidth, int nHeight);
WriteOutcome WriteIndexedFiles(const OutputRequest& request, Color16* pPalette, int nColorCount,
                               const std::uint8_t* pIndices, int nWidth, int nHeight);

}  // namespace zandrel

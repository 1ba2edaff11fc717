// The default output of one image, the desktop tool's: the .c file, the raw
// .bin file when asked for, and the .h when asked for (command-line tool).
//
// Files are written whole or not at all (output_set.h); on their own, the
// .bin is attempted even when the .c failed.
#pragma once

#include <cstdint>

#include "convert/color16.h"
#include "convert/output/names.h"
#include "convert/report.h"

namespace zandrel {

// What the default output writes besides the .c file, and how. Each is a
// truth value (0 off, any other value on); the defaults are the desktop
// tool's.
struct ConvertOptions {
    int m_bWriteBinary = 0;   // also write the raw .bin file
    int m_bAddConst = 1;      // declare the arrays const
    int m_bLittleEndian = 1;  // 16-bit words of the .bin low byte first
    int m_bWriteHeader = 0;   // also write a .h declaring the arrays (command-line tool only)
    int m_bAllOrNothing = 0;  // every file in place or none (command-line tool); else each on its own
};

// Writes <stem>.c, then swaps the words in place when big-endian output is
// asked for, then writes <stem>.bin and <stem>.h when asked for. pAlpha is
// null for a 24-bit image.
WriteOutcome WriteTrueColorFiles(const OutputNames& names, const ConvertOptions& options, Color16* pWords,
                                 const std::uint8_t* pAlpha, int nWidth, int nHeight);
WriteOutcome WriteIndexedFiles(const OutputNames& names, const ConvertOptions& options, Color16* pPalette,
                               int nColorCount, const std::uint8_t* pIndices, int nWidth, int nHeight);

}  // namespace zandrel

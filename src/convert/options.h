// The conversion options and how paths are spelled on the platform.
#pragma once

namespace zandrel {

// The four check boxes of the desktop tool. Each is a truth value (0 off, any
// other value on); the defaults are the dialog's defaults.
struct ConvertOptions {
    int m_bWriteBinary = 0;   // also write the raw .bin file
    int m_bAddPrefix = 1;     // "image_" before output file names and array names
    int m_bAddConst = 1;      // declare the arrays const
    int m_bLittleEndian = 1;  // 16-bit words of the .bin low byte first
    int m_bWriteHeader = 0;   // also write a .h declaring the arrays (command-line tool only)
};

// How a path separates folders and which code page its bytes are in.
struct PathStyle {
    char chSeparator = '/';
    unsigned nCodePage = 0;

    // Backslash and the C runtime's multi-byte code page on Windows; '/' and
    // single bytes elsewhere.
    static PathStyle Native();
};

}  // namespace zandrel

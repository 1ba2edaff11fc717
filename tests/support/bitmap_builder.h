// Builds small BMP files in memory, one knob per defect, and reads and writes whole files.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zandrel::test {

using Bytes = std::vector<std::uint8_t>;
using Bgra = std::array<std::uint8_t, 4>;  // blue, green, red, fourth byte
using Files = std::map<std::string, Bytes>;  // by name

// Fields in the order the file holds them. Left alone, a black 1 x 1 24-bit bitmap whose sizes and
// offsets are those of the bytes written; each knob makes one of them wrong.
struct BitmapRecipe {
    std::string signature = "BM";
    std::optional<std::uint32_t> nOffBits = {};  // bfOffBits, when not where the pixels are written
    std::uint32_t nInfoSize = 40;                // 12: the OS/2 core header (16-bit sizes, 3-byte colours)
    std::int32_t nWidth = 1;
    std::int32_t nHeight = 1;                    // as stored: negative means top-down
    std::uint16_t nBitCount = 24;
    std::uint32_t nCompression = 0;
    std::uint32_t nClrUsed = 0;                  // biClrUsed as written
    std::vector<std::uint32_t> masks = {};       // after the 40 fields: past a 40-byte header, else in it
    std::vector<Bgra> palette = {};
    Bytes pixels = Bytes(4);                     // pixel data exactly as stored in the file
    std::optional<std::size_t> nCutAt = {};      // the file ends after this many bytes
};

Bytes BuildBitmap(const BitmapRecipe& recipe);
// File name to the bitmap of its recipe, for a table of them.
Files BuildBitmaps(std::initializer_list<std::pair<const char*, BitmapRecipe>> rows);
// nColors palette entries, each of a different colour.
std::vector<Bgra> DistinctPalette(int nColors);
// Stored rows (bottom-up unless bTopDown, padded to 4 bytes) of the first nBytesPerPixel bytes of each pixel.
Bytes StoreRows(int nWidth, int nHeight, int nBytesPerPixel, bool bTopDown,
                const std::function<Bgra(int x, int y)>& pixel);
// Stored rows of an 8-bit image.
Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index);
// Stored rows of a 1- or 4-bit image: leftmost pixel in the high bits, rows padded to 4 bytes.
Bytes StorePackedRows(int nWidth, int nHeight, int nBitCount, bool bTopDown,
                      const std::function<std::uint8_t(int x, int y)>& index);
// A plain 24- or 32-bit bitmap (40-byte header, bottom-up) of the picture.
Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel);

bool WriteFileBytes(const std::string& path, const Bytes& bytes);
std::optional<Bytes> ReadFileBytes(const std::string& path);
// Every file below folder, named by its path inside it with '/' between folders.
Files ReadFilesUnder(const std::string& folder);

}  // namespace zandrel::test

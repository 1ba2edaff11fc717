// Builds small BMP files in memory, and reads and writes whole files.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zandrel::test {

using Bytes = std::vector<std::uint8_t>;
using Bgra = std::array<std::uint8_t, 4>;  // blue, green, red, fourth byte

struct BitmapRecipe {  // a 40-byte information header, uncompressed
    std::int32_t nWidth = 1;
    std::int32_t nHeight = 1;    // as stored: negative means top-down
    std::uint16_t nBitCount = 24;
    std::uint32_t nClrUsed = 0;  // biClrUsed as written
    std::vector<Bgra> palette;
    Bytes pixels;                // pixel data exactly as stored in the file
};

Bytes BuildBitmap(const BitmapRecipe& recipe);
// Stored rows (bottom-up unless bTopDown, padded to 4 bytes) of an 8-bit image.
Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index);
// A plain 24- or 32-bit bitmap (40-byte header, bottom-up) of the picture.
Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel);

bool WriteFileBytes(const std::string& path, const Bytes& bytes);
std::optional<Bytes> ReadFileBytes(const std::string& path);

}  // namespace zandrel::test

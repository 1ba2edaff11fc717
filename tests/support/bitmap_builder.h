// Builds BMP files in memory, with one knob per thing a file can get wrong.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zandrel::test {

using Bytes = std::vector<std::uint8_t>;
using Bgra = std::array<std::uint8_t, 4>;  // blue, green, red, fourth byte

struct BitmapRecipe {
    std::uint32_t nInfoSize = 40;         // 12, 40, 52, 56, 64, 108, 124 (or a bad one)
    std::int32_t nWidth = 1;
    std::int32_t nHeight = 1;             // as stored: negative means top-down
    std::uint16_t nPlanes = 1;
    std::uint16_t nBitCount = 24;
    std::uint32_t nCompression = 0;
    std::uint32_t nClrUsed = 0;           // biClrUsed as written
    std::vector<Bgra> palette;            // written as 4 bytes each, 3 for the core header
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha: inside headers >= 52 bytes
    bool bMasksAfterHeader = false;       // 40-byte header: 12 mask bytes (16 with alpha) after it
    std::uint32_t nGap = 0;               // bytes between palette and pixel data
    std::optional<std::uint32_t> nPixelOffset;  // bfOffBits; default: where the pixels really start
    Bytes pixels;                         // pixel data exactly as stored in the file
    std::array<char, 2> signature{'B', 'M'};
};

Bytes BuildBitmap(const BitmapRecipe& recipe);

// Stored rows of an uncompressed 24- or 32-bit image from a top-down picture:
// bottom row first unless bTopDown, each row padded to 4 bytes.
Bytes StoreTrueColorRows(int nWidth, int nHeight, int nBitCount, bool bTopDown,
                         const std::function<Bgra(int x, int y)>& pixel);

// Stored rows of an uncompressed 8-bit image from top-down index rows.
Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index);

// A plain bitmap (40-byte header, bottom-up) of the given picture.
Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel);

bool WriteFileBytes(const std::string& path, const Bytes& bytes);
std::optional<Bytes> ReadFileBytes(const std::string& path);
// The whole file as text, or "<missing>".
std::string ReadFileText(const std::string& path);
// Names of the entries of a folder.
std::set<std::string> FileNamesIn(const std::string& folder);

}  // namespace zandrel::test

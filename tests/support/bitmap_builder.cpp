#include "support/bitmap_builder.h"

#include <fstream>
#include <iterator>

namespace zandrel::test {
namespace {

Bytes StoreRows(int nWidth, int nHeight, int nBytesPerPixel, bool bTopDown, const std::function<Bgra(int, int)>& pixel)
{
    Bytes out;
    for (int i = 0; i < nWidth * nHeight; ++i) {
        const Bgra value = pixel(i % nWidth, bTopDown ? i / nWidth : nHeight - 1 - i / nWidth);
        out.insert(out.end(), value.begin(), value.begin() + nBytesPerPixel);
        if (i % nWidth == nWidth - 1)
            out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

}  // namespace

Bytes BuildBitmap(const BitmapRecipe& recipe)
{
    const auto nOffset = std::uint32_t(54 + 4 * recipe.palette.size());
    const auto nPixels = std::uint32_t(recipe.pixels.size());
    Bytes file{'B', 'M'};
    for (const std::uint32_t nValue : {nOffset + nPixels, 0u, nOffset, 40u, std::uint32_t(recipe.nWidth),
                                       std::uint32_t(recipe.nHeight), 1u | recipe.nBitCount << 16, 0u, nPixels,
                                       2835u, 2835u, recipe.nClrUsed, 0u})
        for (int nShift = 0; nShift < 32; nShift += 8)
            file.push_back(std::uint8_t(nValue >> nShift));
    for (const Bgra& entry : recipe.palette)
        file.insert(file.end(), entry.begin(), entry.end());
    file.insert(file.end(), recipe.pixels.begin(), recipe.pixels.end());
    return file;
}

Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index)
{
    return StoreRows(nWidth, nHeight, 1, bTopDown, [&](int x, int y) { return Bgra{index(x, y)}; });
}

Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel)
{
    return BuildBitmap({.nWidth = nWidth, .nHeight = nHeight, .nBitCount = std::uint16_t(nBitCount), .palette = {},
                        .pixels = StoreRows(nWidth, nHeight, nBitCount / 8, false, pixel)});
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    return bool(file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())).flush());
}

std::optional<Bytes> ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return file ? std::optional(Bytes(std::istreambuf_iterator<char>(file), {})) : std::nullopt;
}

}  // namespace zandrel::test

#include "support/bitmap_builder.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace zandrel::test {
namespace {

void Put(Bytes& out, std::uint32_t nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<std::uint8_t>(nValue >> (8 * i)));
}

// Rows bottom-up unless bTopDown, each padded to 4 bytes.
Bytes StoreRows(int nWidth, int nHeight, int nBytesPerPixel, bool bTopDown, const std::function<Bgra(int, int)>& pixel)
{
    Bytes out;
    for (int row = 0; row < nHeight; ++row) {
        for (int x = 0; x < nWidth; ++x) {
            const Bgra value = pixel(x, bTopDown ? row : nHeight - 1 - row);
            out.insert(out.end(), value.begin(), value.begin() + nBytesPerPixel);
        }
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

}  // namespace

Bytes BuildBitmap(const BitmapRecipe& recipe)
{
    const bool bCore = recipe.nInfoSize == 12;
    const std::uint32_t nOffset = 14 + recipe.nInfoSize + std::uint32_t(recipe.palette.size()) * (bCore ? 3 : 4);
    Bytes file{'B', 'M'};
    Put(file, nOffset + std::uint32_t(recipe.pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, nOffset, 4);
    Put(file, recipe.nInfoSize, 4);
    Put(file, std::uint32_t(recipe.nWidth), bCore ? 2 : 4);
    Put(file, std::uint32_t(recipe.nHeight), bCore ? 2 : 4);
    Put(file, 1, 2);
    Put(file, recipe.nBitCount, 2);
    if (!bCore) {
        for (const std::uint32_t nField : {recipe.nCompression, std::uint32_t(recipe.pixels.size()), 2835u, 2835u,
                                           recipe.nClrUsed, 0u})
            Put(file, nField, 4);
    }
    for (const Bgra& entry : recipe.palette)
        file.insert(file.end(), entry.begin(), entry.begin() + (bCore ? 3 : 4));
    file.insert(file.end(), recipe.pixels.begin(), recipe.pixels.end());
    return file;
}

Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index)
{
    return StoreRows(nWidth, nHeight, 1, bTopDown, [&](int x, int y) { return Bgra{index(x, y)}; });
}

Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel)
{
    BitmapRecipe recipe;
    recipe.nWidth = nWidth;
    recipe.nHeight = nHeight;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    recipe.pixels = StoreRows(nWidth, nHeight, nBitCount / 8, false, pixel);
    return BuildBitmap(recipe);
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    return bool(file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())).flush());
}

std::optional<Bytes> ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

}  // namespace zandrel::test

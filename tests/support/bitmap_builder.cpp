// Builds small BMP files in memory, one knob per defect, and reads and writes whole files.
#include "support/bitmap_builder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace zandrel::test {
namespace {

void PutLittleEndian(Bytes& out, std::uint32_t nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(std::uint8_t(nValue >> 8 * i));
}

}  // namespace

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

Bytes BuildBitmap(const BitmapRecipe& recipe)
{
    const bool bCore = recipe.nInfoSize == 12;
    Bytes info;
    if (bCore) {
        for (const std::uint32_t nValue : {std::uint32_t(recipe.nWidth), std::uint32_t(recipe.nHeight), 1u,
                                           std::uint32_t(recipe.nBitCount)})
            PutLittleEndian(info, nValue, 2);
    } else {
        for (const std::uint32_t nValue : {std::uint32_t(recipe.nWidth), std::uint32_t(recipe.nHeight),
                                           1u | recipe.nBitCount << 16, recipe.nCompression,
                                           std::uint32_t(recipe.pixels.size()), 2835u, 2835u, recipe.nClrUsed, 0u})
            PutLittleEndian(info, nValue, 4);
        for (const std::uint32_t nMask : recipe.masks)
            PutLittleEndian(info, nMask, 4);
        // biSize itself goes out with the file header.
        info.resize(std::max<std::size_t>(info.size() + 4, recipe.nInfoSize) - 4, 0);
    }
    Bytes palette;
    for (const Bgra& entry : recipe.palette)
        palette.insert(palette.end(), entry.begin(), entry.begin() + (bCore ? 3 : 4));

    const auto nOffset = std::uint32_t(18 + info.size() + palette.size());
    Bytes file(recipe.signature.begin(), recipe.signature.end());
    for (const std::uint32_t nValue : {nOffset + std::uint32_t(recipe.pixels.size()), 0u,
                                       recipe.nOffBits.value_or(nOffset), recipe.nInfoSize})
        PutLittleEndian(file, nValue, 4);
    for (const Bytes* pPart : {&std::as_const(info), &std::as_const(palette), &recipe.pixels})
        file.insert(file.end(), pPart->begin(), pPart->end());
    file.resize(std::min(file.size(), recipe.nCutAt.value_or(file.size())));
    return file;
}

Files BuildBitmaps(std::initializer_list<std::pair<const char*, BitmapRecipe>> rows)
{
    Files files;
    for (const auto& [pszName, recipe] : rows)
        files[pszName] = BuildBitmap(recipe);
    return files;
}

std::vector<Bgra> DistinctPalette(int nColors)
{
    std::vector<Bgra> palette;
    for (int i = 0; i < nColors; ++i)
        palette.push_back({std::uint8_t(37 * i), std::uint8_t(255 - 37 * i), std::uint8_t(i), 0});
    return palette;
}

Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index)
{
    return StoreRows(nWidth, nHeight, 1, bTopDown, [&](int x, int y) { return Bgra{index(x, y)}; });
}

Bytes StorePackedRows(int nWidth, int nHeight, int nBitCount, bool bTopDown,
                      const std::function<std::uint8_t(int x, int y)>& index)
{
    const int nStride = (nWidth * nBitCount + 31) / 32 * 4;
    Bytes out(std::size_t(nStride) * nHeight, 0);
    for (int nRow = 0; nRow < nHeight; ++nRow) {
        for (int x = 0; x < nWidth; ++x) {
            const int nBit = x * nBitCount;
            out[std::size_t(nRow) * nStride + nBit / 8] |=
                std::uint8_t(index(x, bTopDown ? nRow : nHeight - 1 - nRow) << (8 - nBitCount - nBit % 8));
        }
    }
    return out;
}

Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel)
{
    return BuildBitmap({.nWidth = nWidth, .nHeight = nHeight, .nBitCount = std::uint16_t(nBitCount),
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

Files ReadFilesUnder(const std::string& folder)
{
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).generic_string()] =
                *ReadFileBytes(entry.path().string());
    }
    return files;
}

}  // namespace zandrel::test

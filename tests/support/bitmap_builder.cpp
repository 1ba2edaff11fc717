#include "support/bitmap_builder.h"

#include <cstdio>
#include <filesystem>

namespace zandrel::test {
namespace {

void PutLE16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutLE32(Bytes& out, std::uint32_t value)
{
    PutLE16(out, value & 0xFFFF);
    PutLE16(out, value >> 16);
}

std::size_t RowStride(int nWidth, int nBitsPerPixel)
{
    return (static_cast<std::size_t>(nWidth) * nBitsPerPixel + 31) / 32 * 4;
}

}  // namespace

Bytes BuildBitmap(const BitmapRecipe& recipe)
{
    Bytes info;
    PutLE32(info, recipe.nInfoSize);
    if (recipe.nInfoSize == 12) {
        PutLE16(info, static_cast<std::uint16_t>(recipe.nWidth));
        PutLE16(info, static_cast<std::uint16_t>(recipe.nHeight));
        PutLE16(info, recipe.nPlanes);
        PutLE16(info, recipe.nBitCount);
    } else {
        PutLE32(info, static_cast<std::uint32_t>(recipe.nWidth));
        PutLE32(info, static_cast<std::uint32_t>(recipe.nHeight));
        PutLE16(info, recipe.nPlanes);
        PutLE16(info, recipe.nBitCount);
        PutLE32(info, recipe.nCompression);
        PutLE32(info, static_cast<std::uint32_t>(recipe.pixels.size()));
        PutLE32(info, 2835);
        PutLE32(info, 2835);
        PutLE32(info, recipe.nClrUsed);
        PutLE32(info, 0);
        for (const std::uint32_t mask : recipe.masks) {
            if (info.size() + 4 > recipe.nInfoSize)
                break;
            PutLE32(info, mask);
        }
        while (info.size() < recipe.nInfoSize)
            info.push_back(0);
        info.resize(recipe.nInfoSize);
        if (recipe.nInfoSize == 40 && recipe.bMasksAfterHeader) {
            for (int i = 0; i < (recipe.nCompression == 6 ? 4 : 3); ++i)
                PutLE32(info, recipe.masks[static_cast<std::size_t>(i)]);
        }
    }

    Bytes palette;
    for (const Bgra& entry : recipe.palette) {
        palette.insert(palette.end(), entry.begin(), entry.begin() + (recipe.nInfoSize == 12 ? 3 : 4));
    }

    const std::uint32_t nRealOffset = static_cast<std::uint32_t>(14 + info.size() + palette.size() + recipe.nGap);
    const std::uint32_t nOffset = recipe.nPixelOffset.value_or(nRealOffset);

    Bytes file;
    file.push_back(static_cast<std::uint8_t>(recipe.signature[0]));
    file.push_back(static_cast<std::uint8_t>(recipe.signature[1]));
    PutLE32(file, static_cast<std::uint32_t>(nRealOffset + recipe.pixels.size()));
    PutLE32(file, 0);
    PutLE32(file, nOffset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), recipe.nGap, 0xEE);
    file.insert(file.end(), recipe.pixels.begin(), recipe.pixels.end());
    return file;
}

Bytes StoreTrueColorRows(int nWidth, int nHeight, int nBitCount, bool bTopDown,
                         const std::function<Bgra(int x, int y)>& pixel)
{
    const std::size_t nStride = RowStride(nWidth, nBitCount);
    const std::size_t nBytesPerPixel = static_cast<std::size_t>(nBitCount / 8);
    Bytes out(nStride * static_cast<std::size_t>(nHeight), 0);
    for (int row = 0; row < nHeight; ++row) {
        const int y = bTopDown ? row : nHeight - 1 - row;
        std::uint8_t* pRow = out.data() + nStride * static_cast<std::size_t>(row);
        for (int x = 0; x < nWidth; ++x) {
            const Bgra value = pixel(x, y);
            for (std::size_t b = 0; b < nBytesPerPixel; ++b)
                pRow[static_cast<std::size_t>(x) * nBytesPerPixel + b] = value[b];
        }
    }
    return out;
}

Bytes StoreIndexedRows(int nWidth, int nHeight, bool bTopDown, const std::function<std::uint8_t(int x, int y)>& index)
{
    const std::size_t nStride = RowStride(nWidth, 8);
    Bytes out(nStride * static_cast<std::size_t>(nHeight), 0);
    for (int row = 0; row < nHeight; ++row) {
        const int y = bTopDown ? row : nHeight - 1 - row;
        for (int x = 0; x < nWidth; ++x)
            out[nStride * static_cast<std::size_t>(row) + static_cast<std::size_t>(x)] = index(x, y);
    }
    return out;
}

Bytes MakeTrueColorBitmap(int nWidth, int nHeight, int nBitCount, const std::function<Bgra(int x, int y)>& pixel)
{
    BitmapRecipe recipe;
    recipe.nWidth = nWidth;
    recipe.nHeight = nHeight;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    recipe.pixels = StoreTrueColorRows(nWidth, nHeight, nBitCount, false, pixel);
    return BuildBitmap(recipe);
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (!pFile)
        return false;
    const bool bOk = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    return std::fclose(pFile) == 0 && bOk;
}

std::optional<Bytes> ReadFileBytes(const std::string& path)
{
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    if (!pFile)
        return std::nullopt;
    Bytes bytes;
    std::uint8_t buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(pFile);
    return bytes;
}

std::string ReadFileText(const std::string& path)
{
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

std::set<std::string> FileNamesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace zandrel::test

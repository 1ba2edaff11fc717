// zandrel-make-seeds FOLDER: writes the seed corpus of the bitmap fuzz
// targets, small valid files of every header size, depth and compression,
// into FOLDER/fuzz_true_color and FOLDER/fuzz_indexed. Run once; the files
// are kept in fuzz/corpus/.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/bitmap_builder.h"

namespace {

using zandrel::test::Bgra;
using zandrel::test::BitmapRecipe;
using zandrel::test::BuildBitmap;
using zandrel::test::Bytes;

const std::uint32_t kInfoSizes[] = {12, 40, 52, 56, 64, 108, 124};

Bgra Picture(int x, int y)
{
    return {static_cast<std::uint8_t>(0x10 + 0x30 * x), static_cast<std::uint8_t>(0x80 + 0x20 * y), 0xF8,
            static_cast<std::uint8_t>(0x40 * (x + y))};
}

std::uint8_t Index(int x, int y)
{
    return static_cast<std::uint8_t>((x + 2 * y) % 4);
}

bool Save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(folder);
    return zandrel::test::WriteFileBytes((folder / (name + ".bmp")).string(), bytes);
}

BitmapRecipe TrueColor(std::uint32_t nInfoSize, int nBitCount, bool bTopDown)
{
    BitmapRecipe recipe;
    recipe.nInfoSize = nInfoSize;
    recipe.nWidth = 3;
    recipe.nHeight = bTopDown ? -2 : 2;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    recipe.pixels = zandrel::test::StoreTrueColorRows(3, 2, nBitCount, bTopDown, Picture);
    return recipe;
}

BitmapRecipe Indexed(std::uint32_t nInfoSize, int nWidth, int nHeight, int nColors)
{
    BitmapRecipe recipe;
    recipe.nInfoSize = nInfoSize;
    recipe.nWidth = nWidth;
    recipe.nHeight = nHeight;
    recipe.nBitCount = 8;
    // The core header has no colour count: it always carries 256 entries,
    // as does a count of 0.
    const int nEntries = nInfoSize == 12 || nColors == 0 ? 256 : nColors;
    recipe.nClrUsed = nInfoSize == 12 ? 0 : static_cast<std::uint32_t>(nColors);
    for (int i = 0; i < nEntries; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 37);
        recipe.palette.push_back({v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(i), 0});
    }
    recipe.pixels = zandrel::test::StoreIndexedRows(nWidth, nHeight < 0 ? -nHeight : nHeight, nHeight < 0, Index);
    return recipe;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zandrel-make-seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const std::filesystem::path trueColor = root / "fuzz_true_color";
    const std::filesystem::path indexed = root / "fuzz_indexed";
    bool bOk = true;

    for (const std::uint32_t nInfoSize : kInfoSizes) {
        const std::string size = std::to_string(nInfoSize);
        for (const int nBitCount : {24, 32}) {
            const std::string depth = std::to_string(nBitCount);
            bOk &= Save(trueColor, "rgb" + depth + "_info" + size, BuildBitmap(TrueColor(nInfoSize, nBitCount, false)));
            if (nInfoSize != 12)
                bOk &= Save(trueColor, "rgb" + depth + "_info" + size + "_topdown",
                            BuildBitmap(TrueColor(nInfoSize, nBitCount, true)));
        }
        // Masks inside the header (52 bytes and more; not the OS/2 64-byte one).
        if (nInfoSize >= 52 && nInfoSize != 64) {
            BitmapRecipe masked = TrueColor(nInfoSize, 32, false);
            masked.nCompression = 3;
            masked.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, nInfoSize >= 56 ? 0xFF000000u : 0u};
            bOk &= Save(trueColor, "bitfields32_info" + size, BuildBitmap(masked));
            masked.masks = {0x3FF00000, 0x000FFC00, 0x000003FF, nInfoSize >= 56 ? 0xC0000000u : 0u};
            bOk &= Save(trueColor, "bitfields32_10bit_info" + size, BuildBitmap(masked));
        }
    }
    // Masks after a 40-byte header: three of them, or four with BI_ALPHABITFIELDS.
    BitmapRecipe after = TrueColor(40, 32, false);
    after.nCompression = 3;
    after.bMasksAfterHeader = true;
    after.masks = {0x0000F800, 0x000007E0, 0x0000001F, 0};
    bOk &= Save(trueColor, "bitfields32_565_after40", BuildBitmap(after));
    after.nCompression = 6;
    after.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    bOk &= Save(trueColor, "alphabitfields32_after40", BuildBitmap(after));
    // A gap before the pixels, and a true-colour file with an unused palette.
    BitmapRecipe gap = TrueColor(40, 24, false);
    gap.nGap = 6;
    bOk &= Save(trueColor, "rgb24_gap", BuildBitmap(gap));
    BitmapRecipe withPalette = TrueColor(40, 32, false);
    withPalette.nClrUsed = 2;
    withPalette.palette = {{1, 2, 3, 0}, {4, 5, 6, 0}};
    bOk &= Save(trueColor, "rgb32_palette", BuildBitmap(withPalette));

    for (const std::uint32_t nInfoSize : kInfoSizes) {
        const std::string size = std::to_string(nInfoSize);
        bOk &= Save(indexed, "plain_info" + size, BuildBitmap(Indexed(nInfoSize, 5, 3, 16)));
        if (nInfoSize == 12)
            continue;
        bOk &= Save(indexed, "plain_info" + size + "_topdown", BuildBitmap(Indexed(nInfoSize, 5, -3, 16)));
        // RLE8: encoded runs, an absolute run with its pad byte, a delta, line
        // ends and the end-of-bitmap code.
        BitmapRecipe rle = Indexed(nInfoSize, 6, 3, 4);
        rle.nCompression = 1;
        rle.pixels = {0x06, 0x01, 0x00, 0x00,
                      0x00, 0x03, 0x02, 0x03, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00,
                      0x00, 0x02, 0x01, 0x00, 0x02, 0x03, 0x00, 0x00, 0x00, 0x01};
        bOk &= Save(indexed, "rle8_info" + size, BuildBitmap(rle));
    }
    bOk &= Save(indexed, "plain_256_colors", BuildBitmap(Indexed(40, 8, 2, 0)));
    bOk &= Save(indexed, "plain_2_colors_width4", BuildBitmap(Indexed(40, 4, 4, 2)));
    bOk &= Save(indexed, "plain_height0", BuildBitmap(Indexed(40, 3, 0, 2)));
    BitmapRecipe gapIndexed = Indexed(40, 5, 2, 16);
    gapIndexed.nGap = 10;
    bOk &= Save(indexed, "plain_gap", BuildBitmap(gapIndexed));
    BitmapRecipe rleEmpty = Indexed(40, 16, 16, 2);
    rleEmpty.nCompression = 1;
    rleEmpty.pixels = {0x00, 0x01};
    bOk &= Save(indexed, "rle8_end_only", BuildBitmap(rleEmpty));
    return bOk ? 0 : 1;
}

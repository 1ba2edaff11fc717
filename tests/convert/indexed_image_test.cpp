#include "convert/indexed_image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "convert/bmp_header.h"
#include "convert/convert_file.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::ByteReader;
using zandrel::IndexedImage;
using zandrel::PackColor16;
using zandrel::Refusal;
using zandrel::test::BitmapRecipe;
using zandrel::test::Bgra;
using zandrel::test::BuildBitmap;
using zandrel::test::Bytes;

using IndexFn = std::function<std::uint8_t(int x, int y)>;

// Stored rows of an 8-bit image, bottom row first unless bTopDown, with
// alignment bytes of 0xAA so that reading them as pixels shows.
Bytes StoreRows(int nWidth, int nHeight, bool bTopDown, const IndexFn& index)
{
    const int nStride = (nWidth + 3) / 4 * 4;
    Bytes out;
    for (int row = 0; row < nHeight; ++row) {
        const int y = bTopDown ? row : nHeight - 1 - row;
        for (int x = 0; x < nStride; ++x)
            out.push_back(x < nWidth ? index(x, y) : 0xAA);
    }
    return out;
}

std::vector<Bgra> GreyPalette(int nCount)
{
    std::vector<Bgra> palette;
    for (int i = 0; i < nCount; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        palette.push_back({v, v, v, 0xFF});
    }
    return palette;
}

// A plain indexed file: 40-byte header, palette right after it, rows right
// after the palette, bottom-up, uncompressed.
BitmapRecipe IndexedSpec(int nWidth, int nHeight, int nColors, const IndexFn& index)
{
    BitmapRecipe recipe;
    recipe.nWidth = nWidth;
    recipe.nHeight = nHeight;
    recipe.nBitCount = 8;
    recipe.nClrUsed = nColors == 256 ? 0 : static_cast<std::uint32_t>(nColors);
    recipe.palette = GreyPalette(nColors);
    recipe.pixels = StoreRows(nWidth, nHeight, false, index);
    return recipe;
}

std::uint8_t Pattern(int x, int y)
{
    return static_cast<std::uint8_t>(16 * y + x + 1);
}

Refusal Read(const Bytes& file, IndexedImage* pImage)
{
    ByteReader reader(file.data(), file.size());
    return zandrel::ReadIndexedImage(reader, pImage);
}

Refusal Read(const Bytes& file)
{
    IndexedImage image;
    return Read(file, &image);
}

Bytes Rows(const IndexedImage& image)
{
    return Bytes(image.indices.Data(), image.indices.Data() + image.indices.Size());
}

Bytes Expected(int nWidth, int nHeight, const IndexFn& index)
{
    Bytes rows;
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            rows.push_back(index(x, y));
    return rows;
}

TEST(IndexedImageTest, PaletteEntryPacksRedGreenBlueAndIgnoresFourthByte)
{
    BitmapRecipe recipe = IndexedSpec(1, 1, 2, Pattern);
    recipe.palette[0] = {0x18, 0x10, 0x08, 0x00};
    recipe.palette[1] = {0xFF, 0xFF, 0xFF, 0xFF};
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(recipe), &image), Refusal::kNone);
    EXPECT_EQ(image.palette[0], 0x0C41);
    EXPECT_EQ(image.palette[1], 0x7FFF);
}

struct ColorCountCase {
    std::uint32_t clrUsed;
    int paletteEntries;
    int expectedCount;
    std::uint8_t highIndex;  // a value in the rows, kept even at or above the count
};

class ColorCountTest : public ::testing::TestWithParam<ColorCountCase> {};

TEST_P(ColorCountTest, ReadsCountEntriesAndKeepsIndicesAsStored)
{
    const ColorCountCase& c = GetParam();
    BitmapRecipe recipe = IndexedSpec(3, 2, c.paletteEntries, [&](int x, int y) {
        return x == 2 && y == 0 ? c.highIndex : static_cast<std::uint8_t>(x);
    });
    recipe.nClrUsed = c.clrUsed;
    for (int i = 0; i < c.paletteEntries; ++i)
        recipe.palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(8 * (i % 32)), 0, 0, 0};
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(recipe), &image), Refusal::kNone);
    ASSERT_EQ(image.nColorCount, c.expectedCount);
    for (int i = 0; i < c.expectedCount; ++i)
        EXPECT_EQ(image.palette[i], PackColor16(0, 0, static_cast<std::uint8_t>(8 * (i % 32)))) << i;
    EXPECT_EQ(Rows(image), (Bytes{0, 1, c.highIndex, 0, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Counts, ColorCountTest,
                         ::testing::Values(ColorCountCase{0, 256, 256, 255}, ColorCountCase{16, 16, 16, 200},
                                           ColorCountCase{2, 2, 2, 17}, ColorCountCase{256, 256, 256, 128}));

struct SizeCase {
    int width;
    int height;
};

class RowLayoutTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RowLayoutTest, SkipsAlignmentAndTurnsRowsTopFirst)
{
    const SizeCase& c = GetParam();
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(IndexedSpec(c.width, c.height, 256, Pattern)), &image), Refusal::kNone);
    EXPECT_EQ(image.nWidth, c.width);
    EXPECT_EQ(image.nHeight, c.height);
    EXPECT_EQ(Rows(image), Expected(c.width, c.height, Pattern));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RowLayoutTest,
                         ::testing::Values(SizeCase{5, 2}, SizeCase{8, 2}, SizeCase{1, 3}, SizeCase{6, 4},
                                           SizeCase{7, 1}));

TEST(IndexedImageTest, HeightZeroHasPaletteButNoRows)
{
    BitmapRecipe recipe = IndexedSpec(5, 0, 16, Pattern);
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(recipe), &image), Refusal::kNone);
    EXPECT_EQ(image.nColorCount, 16);
    EXPECT_EQ(image.nWidth, 5);
    EXPECT_EQ(image.nHeight, 0);
    EXPECT_EQ(image.indices.Size(), 0u);
}

// Every header size gives the same image when its palette and rows are where
// the file says.
class InfoHeaderSizeTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(InfoHeaderSizeTest, PaletteFollowsTheRealHeader)
{
    BitmapRecipe recipe = IndexedSpec(5, 3, 256, Pattern);
    recipe.nInfoSize = GetParam();
    for (int i = 0; i < 256; ++i)
        recipe.palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 0x40,
                                                     static_cast<std::uint8_t>(255 - i), 0};
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(recipe), &image), Refusal::kNone);
    ASSERT_EQ(image.nColorCount, 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(image.palette[i], PackColor16(static_cast<std::uint8_t>(255 - i), 0x40, static_cast<std::uint8_t>(i)))
            << i;
    EXPECT_EQ(Rows(image), Expected(5, 3, Pattern));
}

INSTANTIATE_TEST_SUITE_P(Sizes, InfoHeaderSizeTest, ::testing::Values(12u, 40u, 52u, 56u, 64u, 108u, 124u));

TEST(IndexedImageTest, GapBeforePixelsIsSkipped)
{
    BitmapRecipe recipe = IndexedSpec(5, 2, 16, Pattern);
    recipe.nGap = 9;
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(recipe), &image), Refusal::kNone);
    EXPECT_EQ(Rows(image), Expected(5, 2, Pattern));
}

TEST(IndexedImageTest, TopDownGivesTheSameImageAsBottomUp)
{
    BitmapRecipe bottomUp = IndexedSpec(5, 3, 16, Pattern);
    BitmapRecipe topDown = bottomUp;
    topDown.nHeight = -3;
    topDown.pixels = StoreRows(5, 3, true, Pattern);
    IndexedImage a;
    IndexedImage b;
    ASSERT_EQ(Read(BuildBitmap(bottomUp), &a), Refusal::kNone);
    ASSERT_EQ(Read(BuildBitmap(topDown), &b), Refusal::kNone);
    EXPECT_EQ(b.nHeight, 3);
    EXPECT_EQ(Rows(a), Rows(b));
    EXPECT_EQ(Rows(b), Expected(5, 3, Pattern));
}

TEST(IndexedImageTest, Rle8FileIsDecodedBottomUp)
{
    BitmapRecipe rle = IndexedSpec(6, 3, 16, Pattern);
    rle.nCompression = zandrel::kBiRle8;
    // Bottom row: absolute run of 6. Middle: delta past 2, run of 4 filling
    // the rest. Top: run of 3 and absolute run of 3 with its pad byte.
    rle.pixels = {0x00, 0x06, Pattern(0, 2), Pattern(1, 2), Pattern(2, 2), Pattern(3, 2), Pattern(4, 2), Pattern(5, 2),
                  0x00, 0x00,
                  0x00, 0x02, 0x02, 0x00, 0x04, 0x09, 0x00, 0x00,
                  0x03, 0x05, 0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x00, 0x01};
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(rle), &image), Refusal::kNone);
    EXPECT_EQ(Rows(image), (Bytes{5, 5, 5, 1, 2, 3, 0, 0, 9, 9, 9, 9, Pattern(0, 2), Pattern(1, 2), Pattern(2, 2),
                                  Pattern(3, 2), Pattern(4, 2), Pattern(5, 2)}));
}

// A short stream may leave a picture of ordinary size unset; a large picture
// needs a stream that a real encoder would write for it.
TEST(IndexedImageTest, Rle8StreamsOfRealEncodersAreAcceptedAtAnySize)
{
    BitmapRecipe empty = IndexedSpec(1024, 1024, 16, Pattern);
    empty.nCompression = zandrel::kBiRle8;
    empty.pixels = {0x00, 0x01};
    IndexedImage image;
    ASSERT_EQ(Read(BuildBitmap(empty), &image), Refusal::kNone);
    EXPECT_EQ(image.indices.Size(), 1024u * 1024u);
    EXPECT_EQ(image.indices.Data()[1024u * 1024u - 1], 0);

    // 8192 x 4096, far more than a stream may leave unset: every row in runs
    // of 255 pixels and a line end.
    BitmapRecipe runs = IndexedSpec(8192, 4096, 16, Pattern);
    runs.nCompression = zandrel::kBiRle8;
    runs.pixels.clear();
    for (int y = 0; y < 4096; ++y) {
        for (int x = 0; x < 8192; x += 255) {
            runs.pixels.push_back(static_cast<std::uint8_t>(8192 - x < 255 ? 8192 - x : 255));
            runs.pixels.push_back(7);
        }
        runs.pixels.insert(runs.pixels.end(), {0x00, 0x00});
    }
    runs.pixels.insert(runs.pixels.end(), {0x00, 0x01});
    ASSERT_EQ(Read(BuildBitmap(runs), &image), Refusal::kNone);
    EXPECT_EQ(image.indices.Size(), 8192u * 4096u);
    EXPECT_EQ(image.indices.Data()[0], 7);

    // The same size with a stream that sets nothing is refused.
    runs.pixels = {0x00, 0x01};
    EXPECT_EQ(Read(BuildBitmap(runs), &image), Refusal::kTruncated);
}

// One knob per defect: each of these files is refused.
struct RefusalCase {
    const char* name;
    std::function<void(BitmapRecipe&)> spoil;
    Refusal expected;
};

const std::vector<RefusalCase>& RefusalCases()
{
    static const std::vector<RefusalCase> cases = {
        {"NoSignature", [](BitmapRecipe& s) { s.signature = {'M', 'B'}; }, Refusal::kNotBitmap},
        {"ColorCount257", [](BitmapRecipe& s) { s.nClrUsed = 257; }, Refusal::kBadHeader},
        {"ColorCountHuge", [](BitmapRecipe& s) { s.nClrUsed = 0xFFFFFFFFu; }, Refusal::kBadHeader},
        {"PixelOffsetInsidePalette", [](BitmapRecipe& s) { s.nPixelOffset = 54 + 4 * 16 - 4; }, Refusal::kBadHeader},
        {"PixelOffsetInsideHeader", [](BitmapRecipe& s) { s.nPixelOffset = 30; }, Refusal::kBadHeader},
        {"PixelOffsetPastEnd", [](BitmapRecipe& s) { s.nPixelOffset = 100000; }, Refusal::kBadHeader},
        {"RowsShort", [](BitmapRecipe& s) { s.pixels.pop_back(); }, Refusal::kTruncated},
        {"GapEatsRows", [](BitmapRecipe& s) { s.nPixelOffset = 54 + 4 * 16 + 8; }, Refusal::kTruncated},
        {"WidthZero", [](BitmapRecipe& s) { s.nWidth = 0; }, Refusal::kBadHeader},
        {"WidthNegative", [](BitmapRecipe& s) { s.nWidth = -5; }, Refusal::kBadHeader},
        {"HeightIntMin", [](BitmapRecipe& s) { s.nHeight = INT_MIN; }, Refusal::kBadHeader},
        {"Depth4", [](BitmapRecipe& s) { s.nBitCount = 4; }, Refusal::kUnsupportedDepth},
        {"Depth24", [](BitmapRecipe& s) { s.nBitCount = 24; }, Refusal::kUnsupportedDepth},
        {"Rle4", [](BitmapRecipe& s) { s.nCompression = zandrel::kBiRle4; }, Refusal::kUnsupportedFormat},
        {"Bitfields", [](BitmapRecipe& s) { s.nCompression = zandrel::kBiBitfields; s.bMasksAfterHeader = true; },
         Refusal::kUnsupportedFormat},
        {"Jpeg", [](BitmapRecipe& s) { s.nCompression = zandrel::kBiJpeg; }, Refusal::kUnsupportedFormat},
        {"Png", [](BitmapRecipe& s) { s.nCompression = zandrel::kBiPng; }, Refusal::kUnsupportedFormat},
        {"TopDownRle8",
         [](BitmapRecipe& s) {
             s.nCompression = zandrel::kBiRle8;
             s.nHeight = -2;
             s.pixels = {0x00, 0x01};
         },
         Refusal::kUnsupportedFormat},
        {"Rle8WritesPastImage",
         [](BitmapRecipe& s) {
             s.nCompression = zandrel::kBiRle8;
             s.pixels = {0x09, 0x01, 0x00, 0x01};
         },
         Refusal::kBadHeader},
        {"Rle8WithoutEnd",
         [](BitmapRecipe& s) {
             s.nCompression = zandrel::kBiRle8;
             s.pixels = {0x05, 0x01, 0x00, 0x00};
         },
         Refusal::kTruncated},
        // 65536 x 32768 is 2^31 bytes: one more than an index array may hold.
        {"TooLarge",
         [](BitmapRecipe& s) {
             s.nWidth = 65536;
             s.nHeight = 32768;
         },
         Refusal::kTooLarge},
        {"TooLargeSquare",
         [](BitmapRecipe& s) {
             s.nWidth = 46341;
             s.nHeight = -46341;
         },
         Refusal::kTooLarge},
        // Two stream bytes cannot stand for 1.6 GB of pixels.
        {"Rle8TinyStreamHugeImage",
         [](BitmapRecipe& s) {
             s.nCompression = zandrel::kBiRle8;
             s.nWidth = 40000;
             s.nHeight = 40000;
             s.pixels = {0x00, 0x01};
         },
         Refusal::kTruncated},
        // Within the limit but far beyond what the file holds: refused before
        // any buffer is taken.
        {"SizeBeyondFile",
         [](BitmapRecipe& s) {
             s.nWidth = 40000;
             s.nHeight = 40000;
         },
         Refusal::kTruncated},
    };
    return cases;
}

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class IndexedRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(IndexedRefusalTest, RefusesTheFile)
{
    BitmapRecipe recipe = IndexedSpec(5, 2, 16, Pattern);
    GetParam().spoil(recipe);
    IndexedImage image;
    EXPECT_EQ(Read(BuildBitmap(recipe), &image), GetParam().expected);
    EXPECT_EQ(image.indices.Size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Defects, IndexedRefusalTest, ::testing::ValuesIn(RefusalCases()),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// Cutting a file anywhere before its end refuses it; from the pixel data on,
// as truncated.
TEST(IndexedImageTest, EveryPrefixIsRefused)
{
    BitmapRecipe plain = IndexedSpec(5, 3, 16, Pattern);
    BitmapRecipe core = IndexedSpec(3, 2, 256, Pattern);
    core.nInfoSize = 12;
    BitmapRecipe rle = IndexedSpec(5, 3, 16, Pattern);
    rle.nCompression = zandrel::kBiRle8;
    rle.pixels = {0x05, 0x01, 0x00, 0x00, 0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x00, 0x02, 0x01, 0x01, 0x01, 0x04, 0x00, 0x01};
    BitmapRecipe gap = IndexedSpec(2, 2, 4, Pattern);
    gap.nGap = 6;
    for (const BitmapRecipe* pSpec : {&plain, &core, &rle, &gap}) {
        const Bytes file = BuildBitmap(*pSpec);
        ASSERT_EQ(Read(file), Refusal::kNone);
        const std::size_t nPixelStart = file.size() - pSpec->pixels.size();
        for (std::size_t n = 0; n < file.size(); ++n) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
            const Refusal eRefusal = Read(prefix);
            EXPECT_NE(eRefusal, Refusal::kNone) << "prefix of " << n << " bytes";
            if (n >= nPixelStart) {
                EXPECT_EQ(eRefusal, Refusal::kTruncated) << "prefix of " << n << " bytes";
            }
        }
    }
}

// Files written by a real image tool (tests/data/make_indexed_bitmaps.sh).
struct ToolFileCase {
    const char* file;
    int width;
    int height;
    Bgra (*colorAt)(int x, int y);  // blue, green, red as the picture was defined
};

Bgra GradientColor(int x, int y)
{
    return {static_cast<std::uint8_t>(64 * ((x + y) % 3) + 24), static_cast<std::uint8_t>(48 * y + 16),
            static_cast<std::uint8_t>(32 * x + 8), 0};
}

Bgra BandsColor(int x, int y)
{
    if (y == 4)
        return {40, 96, static_cast<std::uint8_t>(24 * x + 8), 0};
    if (y == 2 && x == 3)
        return {8, 8, 200, 0};
    return {128, 64, static_cast<std::uint8_t>(8 * y + 16), 0};
}

void PrintTo(const ToolFileCase& c, std::ostream* os)
{
    *os << c.file;
}

class ToolFileTest : public ::testing::TestWithParam<ToolFileCase> {};

TEST_P(ToolFileTest, IndicesPickThePictureColors)
{
    const ToolFileCase& c = GetParam();
    // Read from the file itself, as the converter does.
    ByteReader reader;
    ASSERT_TRUE(reader.OpenFile(CString(std::string(ZANDREL_TEST_DATA_DIR) + "/" + c.file))) << c.file;
    IndexedImage image;
    ASSERT_EQ(zandrel::ReadIndexedImage(reader, &image), Refusal::kNone);
    EXPECT_EQ(image.nWidth, c.width);
    EXPECT_EQ(image.nHeight, c.height);
    EXPECT_EQ(image.nColorCount, 256);
    ASSERT_EQ(image.indices.Size(), static_cast<std::size_t>(c.width * c.height));
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const Bgra color = c.colorAt(x, y);
            const std::uint8_t index = image.indices.Data()[y * c.width + x];
            EXPECT_EQ(image.palette[index], PackColor16(color[2], color[1], color[0])) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, ToolFileTest,
                         ::testing::Values(ToolFileCase{"indexed_gradient_info40.bmp", 7, 5, GradientColor},
                                           ToolFileCase{"indexed_gradient_info124.bmp", 7, 5, GradientColor},
                                           ToolFileCase{"indexed_gradient_core12.bmp", 7, 5, GradientColor},
                                           ToolFileCase{"indexed_bands_rle8.bmp", 9, 6, BandsColor}));

// Refused files reach no writer: no output file appears next to the input.
class ConvertIndexedRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ConvertIndexedRefusalTest, CreatesNoOutput)
{
    zandrel::test::TempDir dir;
    BitmapRecipe recipe = IndexedSpec(5, 2, 16, Pattern);
    GetParam().spoil(recipe);
    const std::string input = std::filesystem::path(dir.File("pic.bmp")).make_preferred().string();
    ASSERT_TRUE(zandrel::test::WriteFileBytes(input, BuildBitmap(recipe)));

    zandrel::ConvertOptions options;
    options.m_bWriteBinary = 1;
    const zandrel::ConversionReport report =
        zandrel::ConvertIndexedBitmapFile(CString(input), options, zandrel::PathStyle::Native());
    EXPECT_EQ(report.nResult, zandrel::kConvertRefused);
    EXPECT_EQ(report.eRefusal, GetParam().expected);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"pic.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Defects, ConvertIndexedRefusalTest, ::testing::ValuesIn(RefusalCases()),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(ConvertIndexedTest, MissingFileCannotBeOpened)
{
    zandrel::test::TempDir dir;
    const zandrel::ConversionReport report = zandrel::ConvertIndexedBitmapFile(
        CString(dir.File("absent.bmp")), zandrel::ConvertOptions{}, zandrel::PathStyle::Native());
    EXPECT_EQ(report.nResult, zandrel::kConvertRefused);
    EXPECT_EQ(report.eRefusal, Refusal::kCannotOpen);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace

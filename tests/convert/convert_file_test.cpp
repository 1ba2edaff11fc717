// The whole conversion from a bitmap file on disk: dispatch by depth, the
// names used, and what a refusal leaves behind.
#include "convert/convert_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/bitmap_builder.h"
#include "support/temp_dir.h"
#include "support/worked_example.h"

namespace {

using zandrel::ConvertBitmapFile;
using zandrel::ConvertOptions;
using zandrel::ConversionReport;
using zandrel::PathStyle;
using zandrel::test::BitmapRecipe;
using zandrel::test::Bytes;
using zandrel::test::ReadFileBytes;
using zandrel::test::TempDir;
using zandrel::test::WriteFileBytes;

const PathStyle kPosix{'/', 0};

using zandrel::test::FileNamesIn;
using zandrel::test::ReadFileText;

// The 2 x 1 picture of the format description: pure red with alpha 0x80, then white.
Bytes WorkedExampleBitmap()
{
    return zandrel::test::MakeTrueColorBitmap(2, 1, 32, [](int x, int) {
        return x == 0 ? zandrel::test::Bgra{0x00, 0x00, 0xFF, 0x80} : zandrel::test::Bgra{0xFF, 0xFF, 0xFF, 0xFF};
    });
}

// 2 x 2, two colours (black, white), index rows 0 1 (top) and 1 0.
Bytes TwoColourIndexedBitmap()
{
    BitmapRecipe recipe;
    recipe.nWidth = 2;
    recipe.nHeight = 2;
    recipe.nBitCount = 8;
    recipe.nClrUsed = 2;
    recipe.palette = {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}};
    recipe.pixels = zandrel::test::StoreIndexedRows(2, 2, false, [](int x, int y) {
        return static_cast<std::uint8_t>((x + y) % 2);
    });
    return BuildBitmap(recipe);
}

Bytes OfDepth(int nBitCount)
{
    BitmapRecipe recipe;
    recipe.nWidth = 8;
    recipe.nHeight = 2;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    if (nBitCount <= 8)
        recipe.palette.assign(std::size_t{1} << nBitCount, {1, 2, 3, 0});
    recipe.pixels.assign(static_cast<std::size_t>((8 * nBitCount + 31) / 32 * 4 * 2), 0x11);
    return BuildBitmap(recipe);
}

class ConvertFileTest : public ::testing::Test {
protected:
    ConversionReport Convert(const std::string& name, const Bytes& contents)
    {
        EXPECT_TRUE(WriteFileBytes(m_dir.File(name), contents));
        return ConvertBitmapFile(CString(m_dir.File(name)), m_options, kPosix);
    }

    TempDir m_dir;
    ConvertOptions m_options;
};

TEST_F(ConvertFileTest, WorkedExampleEndToEnd)
{
    m_options.m_bWriteBinary = 1;
    const ConversionReport report = Convert("pic.bmp", WorkedExampleBitmap());
    ASSERT_EQ(report.nResult, zandrel::kConvertDone);
    EXPECT_EQ(ReadFileText(m_dir.File("image_pic.c")), zandrel::test::kWorkedExampleText);
    EXPECT_EQ(ReadFileBytes(m_dir.File("image_pic.bin")), (Bytes{0x1F, 0x00, 0xFF, 0x7F, 0x80, 0xFF}));

    m_options.m_bLittleEndian = 0;
    const std::string before = ReadFileText(m_dir.File("image_pic.c"));
    ASSERT_EQ(Convert("pic.bmp", WorkedExampleBitmap()).nResult, zandrel::kConvertDone);
    EXPECT_EQ(ReadFileText(m_dir.File("image_pic.c")), before);
    EXPECT_EQ(ReadFileBytes(m_dir.File("image_pic.bin")), (Bytes{0x00, 0x1F, 0x7F, 0xFF, 0x80, 0xFF}));
}

TEST_F(ConvertFileTest, EightBitFilesTakeTheIndexedPath)
{
    m_options.m_bWriteBinary = 1;
    m_options.m_bLittleEndian = 0;
    const ConversionReport report = Convert("tiles.bmp", TwoColourIndexedBitmap());
    ASSERT_EQ(report.nResult, zandrel::kConvertDone);
    EXPECT_EQ(ReadFileText(m_dir.File("image_tiles.c")),
              "// bitmap image for PSP\r\n"
              "// Indexed Palette: colors = 2\r\n"
              "const unsigned short image_tiles_palette[]={\r\n"
              "0x0000,0x7FFF,\r\n"
              "};\r\n"
              "\r\n"
              "\r\n"
              "// Indexed: width = 2, height = 2\r\n"
              "const unsigned char image_tiles[]={\r\n"
              "0x00,0x01,\r\n"
              "0x01,0x00,\r\n"
              "};\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir.File("image_tiles.bin")), (Bytes{0x00, 0x00, 0x7F, 0xFF, 0x00, 0x01, 0x01, 0x00}));
}

TEST_F(ConvertFileTest, OtherDepthsAndNonBitmapsAreRefusedWithoutOutput)
{
    struct Case {
        const char* name;
        Bytes contents;
        zandrel::Refusal refusal;
        int bitCount;
    };
    const Case cases[] = {
        {"one.bmp", OfDepth(1), zandrel::Refusal::kUnsupportedDepth, 1},
        {"four.bmp", OfDepth(4), zandrel::Refusal::kUnsupportedDepth, 4},
        {"sixteen.bmp", OfDepth(16), zandrel::Refusal::kUnsupportedDepth, 16},
        {"notes.bmp", Bytes{'h', 'e', 'l', 'l', 'o'}, zandrel::Refusal::kNotBitmap, 0},
        {"empty.bmp", Bytes{}, zandrel::Refusal::kNotBitmap, 0},
    };
    m_options.m_bWriteBinary = 1;
    for (const Case& c : cases) {
        const ConversionReport report = Convert(c.name, c.contents);
        EXPECT_EQ(report.nResult, zandrel::kConvertRefused) << c.name;
        EXPECT_EQ(report.eRefusal, c.refusal) << c.name;
        EXPECT_EQ(report.nBitCount, c.bitCount) << c.name;
    }
    const ConversionReport missing = ConvertBitmapFile(CString(m_dir.File("missing.bmp")), m_options, kPosix);
    EXPECT_EQ(missing.nResult, zandrel::kConvertRefused);
    EXPECT_EQ(missing.eRefusal, zandrel::Refusal::kCannotOpen);
    EXPECT_EQ(FileNamesIn(m_dir.Path()),
              (std::set<std::string>{"one.bmp", "four.bmp", "sixteen.bmp", "notes.bmp", "empty.bmp"}));
}

TEST_F(ConvertFileTest, RefusalLeavesEarlierOutputUntouched)
{
    ASSERT_TRUE(WriteFileBytes(m_dir.File("image_pic.c"), Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(Convert("pic.bmp", OfDepth(16)).nResult, zandrel::kConvertRefused);
    EXPECT_EQ(ReadFileText(m_dir.File("image_pic.c")), "old");
}

TEST_F(ConvertFileTest, DepthDecidesNotTheExtension)
{
    const ConversionReport report = Convert("sprite.txt", WorkedExampleBitmap());
    EXPECT_EQ(report.nResult, zandrel::kConvertDone);
    EXPECT_EQ(report.output.written, (std::vector<CString>{CString(m_dir.File("image_sprite.c"))}));
}

TEST_F(ConvertFileTest, OptionsOfEachCallApply)
{
    ASSERT_EQ(Convert("pic.bmp", WorkedExampleBitmap()).nResult, zandrel::kConvertDone);
    m_options.m_bAddPrefix = 0;
    m_options.m_bAddConst = 0;
    ASSERT_EQ(Convert("pic.bmp", WorkedExampleBitmap()).nResult, zandrel::kConvertDone);
    const std::string text = ReadFileText(m_dir.File("pic.c"));
    EXPECT_NE(text.find("\r\nunsigned short pic[]={\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nunsigned char pic_alpha[]={\r\n"), std::string::npos) << text;
    EXPECT_EQ(FileNamesIn(m_dir.Path()), (std::set<std::string>{"pic.bmp", "image_pic.c", "pic.c"}));
}

TEST_F(ConvertFileTest, ArrayNamesAreIdentifiersWhileFileNamesKeepTheirDots)
{
    ASSERT_EQ(Convert("my.logo.bmp", WorkedExampleBitmap()).nResult, zandrel::kConvertDone);
    const std::string text = ReadFileText(m_dir.File("image_my.logo.c"));
    EXPECT_NE(text.find(" image_my_logo[]={"), std::string::npos) << text;
    EXPECT_NE(text.find(" image_my_logo_alpha[]={"), std::string::npos) << text;
}

}  // namespace

#include "convert/dib_surface.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "convert/true_color_pixels.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::ByteReader;
using zandrel::CDibSurface;
using zandrel::Refusal;
using zandrel::test::Bgra;
using zandrel::test::BitmapRecipe;
using zandrel::test::Bytes;

// Every byte of every pixel differs from its neighbours', so a swapped row,
// column or channel shows.
Bgra Picture(int x, int y)
{
    return {static_cast<std::uint8_t>(0x10 + 16 * y + x), static_cast<std::uint8_t>(0x90 + 8 * x + y),
            static_cast<std::uint8_t>(0x40 ^ (x * 5 + y * 3)), static_cast<std::uint8_t>(0x80 + x + 7 * y)};
}

int Load(CDibSurface& surface, const Bytes& file)
{
    ByteReader reader(file.data(), file.size());
    return surface.Load(reader);
}

// Compares the surface with Picture; the fourth byte only for 32 bits.
void ExpectPicture(const CDibSurface& surface, int nWidth, int nHeight, bool bFourth)
{
    ASSERT_NE(surface.m_pBits, nullptr);
    ASSERT_EQ(surface.m_nWidth, nWidth);
    ASSERT_EQ(surface.m_nHeight, nHeight);
    ASSERT_EQ(surface.m_nStride, 4 * nWidth);
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const std::uint8_t* p = surface.m_pBits + y * surface.m_nStride + 4 * x;
            const Bgra want = Picture(x, y);
            for (int b = 0; b < (bFourth ? 4 : 3); ++b)
                ASSERT_EQ(p[b], want[static_cast<std::size_t>(b)]) << "x=" << x << " y=" << y << " byte " << b;
        }
    }
}

BitmapRecipe TrueColorSpec(std::uint32_t nInfoSize, int nBitCount, int nWidth, int nHeight, bool bTopDown)
{
    BitmapRecipe recipe;
    recipe.nInfoSize = nInfoSize;
    recipe.nWidth = nWidth;
    recipe.nHeight = bTopDown ? -nHeight : nHeight;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    recipe.pixels = zandrel::test::StoreTrueColorRows(nWidth, nHeight, nBitCount, bTopDown, Picture);
    return recipe;
}

struct LayoutCase {
    std::uint32_t nInfoSize;
    int nBitCount;
    bool bTopDown;
};

class HeaderLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(HeaderLayoutTest, FillsTopRowFirstSurface)
{
    const LayoutCase& c = GetParam();
    for (const int nWidth : {1, 2, 3, 5}) {
        CDibSurface surface;
        ASSERT_EQ(Load(surface, BuildBitmap(TrueColorSpec(c.nInfoSize, c.nBitCount, nWidth, 3, c.bTopDown))), 1);
        EXPECT_EQ(surface.m_nBitCount, c.nBitCount);
        EXPECT_EQ(surface.m_nPlanes, 1);
        EXPECT_EQ(surface.m_eRefusal, Refusal::kNone);
        ExpectPicture(surface, nWidth, 3, c.nBitCount == 32);
    }
}

std::vector<LayoutCase> AllLayouts()
{
    std::vector<LayoutCase> cases;
    for (const std::uint32_t nSize : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
        for (const int nBits : {24, 32})
            for (const bool bTopDown : {false, true})
                if (nSize != 12 || !bTopDown)  // the core header's height is unsigned
                    cases.push_back({nSize, nBits, bTopDown});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderLayoutTest, ::testing::ValuesIn(AllLayouts()));

// 32-bit pixels with masks: the stored value and the surface bytes it gives.
struct MaskCase {
    const char* name;
    std::uint32_t nInfoSize;
    std::uint32_t nCompression;
    std::array<std::uint32_t, 4> masks;  // red, green, blue, alpha
    std::uint32_t nStored;
    Bgra want;
};

class BitfieldsTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(BitfieldsTest, CutsChannelsByMask)
{
    const MaskCase& c = GetParam();
    BitmapRecipe recipe;
    recipe.nInfoSize = c.nInfoSize;
    recipe.nBitCount = 32;
    recipe.nCompression = c.nCompression;
    recipe.masks = c.masks;
    recipe.bMasksAfterHeader = c.nInfoSize == 40;
    for (int i = 0; i < 4; ++i)
        recipe.pixels.push_back(static_cast<std::uint8_t>(c.nStored >> (8 * i)));
    CDibSurface surface;
    ASSERT_EQ(Load(surface, BuildBitmap(recipe)), 1) << c.name;
    EXPECT_EQ((Bgra{surface.m_pBits[0], surface.m_pBits[1], surface.m_pBits[2], surface.m_pBits[3]}), c.want)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, BitfieldsTest,
    ::testing::Values(
        MaskCase{"standard, fourth byte unmasked", 40, 3, {0xFF0000, 0xFF00, 0xFF, 0}, 0x80112233, {0x33, 0x22, 0x11, 0x80}},
        MaskCase{"alpha mask after 40 bytes", 40, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0x7F010203, {0x03, 0x02, 0x01, 0x7F}},
        MaskCase{"red in the low byte", 56, 3, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, 0x44332211, {0x33, 0x22, 0x11, 0x44}},
        MaskCase{"colours high, free low byte", 52, 3, {0xFF000000, 0xFF0000, 0xFF00, 0}, 0x11223344, {0x33, 0x22, 0x11, 0x44}},
        MaskCase{"10-bit channels keep top bits", 124, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0}, (0x2AAu << 20) | (0x155u << 10) | 0x3FF, {0xFF, 0x55, 0xAA, 0xFF}},
        MaskCase{"2-bit alpha scaled", 124, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}, 0x80000000, {0x00, 0x00, 0x00, 0xAA}},
        MaskCase{"5-6-5 scaled up", 108, 3, {0xF800, 0x7E0, 0x1F, 0}, 0xAB00F81F, {0xFF, 0x00, 0xFF, 0xAB}},
        MaskCase{"5-bit 16 repeats its bits", 108, 3, {0xF800, 0x7E0, 0x1F, 0}, 0x00008410, {0x84, 0x82, 0x84, 0x00}},
        MaskCase{"1-bit alpha", 56, 3, {0xFF0000, 0xFF00, 0xFF, 0x80000000}, 0x80000000, {0x00, 0x00, 0x00, 0xFF}},
        MaskCase{"zero alpha mask means none", 108, 3, {0xFF0000, 0xFF00, 0xFF, 0}, 0x5A000000, {0x00, 0x00, 0x00, 0x5A}}));

struct RefusalCase {
    const char* name;
    BitmapRecipe recipe;
    Refusal eWant;
    bool bMeasured = true;  // the headers hold together, so size and depth are recorded
};

BitmapRecipe Recipe(std::uint32_t nInfoSize, int nBitCount, std::uint32_t nCompression,
                std::array<std::uint32_t, 4> masks = {0xFF0000, 0xFF00, 0xFF, 0})
{
    BitmapRecipe recipe = TrueColorSpec(nInfoSize, nBitCount, 2, 2, false);
    recipe.nCompression = nCompression;
    recipe.masks = masks;
    recipe.bMasksAfterHeader = nInfoSize == 40 && (nCompression == 3 || nCompression == 6);
    return recipe;
}

BitmapRecipe WithSize(std::int32_t nWidth, std::int32_t nHeight, int nBitCount = 24)
{
    BitmapRecipe recipe;
    recipe.nWidth = nWidth;
    recipe.nHeight = nHeight;
    recipe.nBitCount = static_cast<std::uint16_t>(nBitCount);
    return recipe;
}

BitmapRecipe WithOffset(std::uint32_t nOffset)
{
    BitmapRecipe recipe = Recipe(40, 24, 0);
    recipe.nPixelOffset = nOffset;
    return recipe;
}

std::vector<RefusalCase> Refusals()
{
    const std::uint32_t nEnd = static_cast<std::uint32_t>(BuildBitmap(Recipe(40, 24, 0)).size());
    return {
        {"24-bit bitfields", Recipe(40, 24, 3), Refusal::kUnsupportedFormat},
        {"RLE8 on 32 bits", Recipe(40, 32, 1), Refusal::kUnsupportedFormat},
        {"RLE4 on 24 bits", Recipe(40, 24, 2), Refusal::kUnsupportedFormat},
        {"JPEG", Recipe(40, 24, 4), Refusal::kUnsupportedFormat},
        {"PNG", Recipe(124, 32, 5), Refusal::kUnsupportedFormat},
        {"OS/2 Huffman", Recipe(64, 32, 3), Refusal::kUnsupportedFormat},
        {"zero red mask", Recipe(56, 32, 3, {0, 0xFF00, 0xFF, 0}), Refusal::kBadHeader},
        {"split green mask", Recipe(56, 32, 3, {0xFF0000, 0xF0F0, 0xF, 0}), Refusal::kBadHeader},
        {"split alpha mask", Recipe(56, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0x81000000}), Refusal::kBadHeader},
        {"zero width", WithSize(0, 2), Refusal::kBadHeader},
        {"negative width", WithSize(-2, 2), Refusal::kBadHeader},
        {"zero height", WithSize(2, 0), Refusal::kBadHeader},
        {"offset inside headers", WithOffset(50), Refusal::kBadHeader, false},
        {"offset past the end", WithOffset(nEnd + 1), Refusal::kBadHeader, false},
        {"pixels run past the end", WithOffset(nEnd - 1), Refusal::kTruncated},
        {"huge image, tiny file", WithSize(100000, 100000, 32), Refusal::kTooLarge},
        {"3n just fits, no pixels", WithSize(2, 357913941), Refusal::kTruncated},
        {"3n one pixel pair over", WithSize(2, 357913942), Refusal::kTooLarge},
        {"stride over 31 bits", WithSize(1 << 29, 1, 32), Refusal::kTooLarge},
        {"big top-down, no pixels", WithSize(30000, -20000), Refusal::kTruncated},
    };
}

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.name; }

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesWithReasonAndHoldsNoPixels)
{
    const RefusalCase& c = GetParam();
    CDibSurface surface;
    EXPECT_EQ(Load(surface, BuildBitmap(c.recipe)), 0) << c.name;
    EXPECT_EQ(surface.m_eRefusal, c.eWant) << c.name;
    EXPECT_EQ(surface.m_pBits, nullptr) << c.name;
    EXPECT_EQ(surface.m_nBitCount, c.bMeasured ? c.recipe.nBitCount : 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Files, RefusalTest, ::testing::ValuesIn(Refusals()));

TEST(DibSurfaceTest, HonoursPixelOffsetAfterGap)
{
    BitmapRecipe recipe = TrueColorSpec(40, 32, 3, 2, false);
    recipe.nGap = 37;
    CDibSurface surface;
    ASSERT_EQ(Load(surface, BuildBitmap(recipe)), 1);
    ExpectPicture(surface, 3, 2, true);
}

TEST(DibSurfaceTest, EveryPrefixOfAValidFileIsRefused)
{
    for (const int nBits : {24, 32}) {
        BitmapRecipe recipe = TrueColorSpec(124, nBits, 3, 2, false);
        recipe.nCompression = nBits == 32 ? 3 : 0;
        recipe.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        const Bytes file = BuildBitmap(recipe);
        for (std::size_t n = 0; n < file.size(); ++n) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
            CDibSurface surface;
            EXPECT_EQ(Load(surface, prefix), 0) << n;
            EXPECT_NE(surface.m_eRefusal, Refusal::kNone) << n;
            EXPECT_EQ(surface.m_pBits, nullptr) << n;
        }
        CDibSurface surface;
        EXPECT_EQ(Load(surface, file), 1);
    }
}

TEST(DibSurfaceTest, OtherDepthsAreMeasuredOnly)
{
    for (const int nBits : {1, 4, 8, 16}) {
        BitmapRecipe recipe;
        recipe.nWidth = 7;
        recipe.nHeight = -5;
        recipe.nPlanes = 1;
        recipe.nBitCount = static_cast<std::uint16_t>(nBits);
        recipe.nCompression = nBits == 16 ? 3 : 0;
        recipe.bMasksAfterHeader = nBits == 16;
        recipe.masks = {0xF800, 0x7E0, 0x1F, 0};
        if (nBits <= 8)
            recipe.palette.assign(std::size_t{1} << nBits, Bgra{1, 2, 3, 0});
        recipe.pixels.assign(static_cast<std::size_t>((7 * nBits + 31) / 32 * 4 * 5), 0);
        CDibSurface surface;
        EXPECT_EQ(Load(surface, BuildBitmap(recipe)), 0) << nBits;
        EXPECT_EQ(surface.m_eRefusal, Refusal::kUnsupportedDepth);
        EXPECT_EQ(surface.m_nBitCount, nBits);
        EXPECT_EQ(surface.m_nWidth, 7);
        EXPECT_EQ(surface.m_nHeight, 5);
        EXPECT_EQ(surface.m_nPlanes, 1);
        EXPECT_EQ(surface.m_pBits, nullptr);
    }
}

TEST(DibSurfaceTest, UnreadableInputRecordsNothing)
{
    zandrel::test::TempDir dir;
    const Bytes notBitmap{'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    CDibSurface surface;
    EXPECT_EQ(Load(surface, Bytes{}), 0);
    EXPECT_EQ(surface.m_eRefusal, Refusal::kNotBitmap);
    EXPECT_EQ(Load(surface, notBitmap), 0);
    EXPECT_EQ(surface.m_eRefusal, Refusal::kNotBitmap);

    // A surface that measured an image forgets it when the next file is missing.
    ASSERT_EQ(Load(surface, BuildBitmap(TrueColorSpec(40, 24, 2, 2, false))), 1);
    EXPECT_EQ(surface.Load(CString(dir.File("missing.bmp").c_str())), 0);
    EXPECT_EQ(surface.m_eRefusal, Refusal::kCannotOpen);
    EXPECT_EQ(surface.m_pBits, nullptr);
    EXPECT_EQ(surface.m_nWidth | surface.m_nHeight | surface.m_nStride | surface.m_nBitCount | surface.m_nPlanes, 0);
}

TEST(DibSurfaceTest, LoadsFromFile)
{
    zandrel::test::TempDir dir;
    const std::string path = dir.File("pic.bmp");
    ASSERT_TRUE(zandrel::test::WriteFileBytes(path, BuildBitmap(TrueColorSpec(40, 24, 300, 40, false))));
    CDibSurface surface;
    ASSERT_EQ(surface.Load(CString(path.c_str())), 1);
    ExpectPicture(surface, 300, 40, false);
}

// Chunks smaller than a row, a pixel or a few rows take the other paths
// through the reader; all give the same surface.
TEST(TrueColorPixelsTest, AnyChunkSizeGivesTheSameSurface)
{
    for (const BitmapRecipe& base : {Recipe(40, 24, 0), Recipe(40, 32, 0), Recipe(56, 32, 3, {0xFF, 0xFF00, 0xFF0000, 0})}) {
        for (const bool bTopDown : {false, true}) {
            BitmapRecipe recipe = base;
            recipe.nWidth = 5;
            recipe.nHeight = bTopDown ? -7 : 7;
            recipe.pixels = zandrel::test::StoreTrueColorRows(5, 7, recipe.nBitCount, bTopDown, Picture);
            const Bytes file = BuildBitmap(recipe);
            std::vector<std::uint8_t> reference;
            for (const std::size_t nChunk : {std::size_t{1}, std::size_t{5}, std::size_t{13}, std::size_t{20},
                                             std::size_t{48}, zandrel::kPixelChunkBytes}) {
                ByteReader reader(file.data(), file.size());
                zandrel::BmpHeader header;
                zandrel::TrueColorLayout layout;
                ASSERT_EQ(zandrel::ReadBmpHeader(reader, &header), Refusal::kNone);
                ASSERT_EQ(zandrel::MakeTrueColorLayout(header, &layout), Refusal::kNone);
                ASSERT_TRUE(reader.SkipTo(header.nPixelOffset));
                std::vector<std::uint8_t> surface(4 * 5 * 7);
                ASSERT_EQ(zandrel::ReadTrueColorPixels(reader, layout, 5, 7, bTopDown, surface.data(), nChunk), Refusal::kNone);
                EXPECT_EQ(reader.Remaining(), 0u);
                if (reference.empty())
                    reference = surface;
                EXPECT_EQ(surface, reference) << "chunk " << nChunk << " bits " << recipe.nBitCount;
            }
            CDibSurface surface;
            ASSERT_EQ(Load(surface, file), 1);
            EXPECT_EQ(0, std::memcmp(surface.m_pBits, reference.data(), reference.size()));
        }
    }
}

}  // namespace

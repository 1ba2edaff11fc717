#include "convert/bmp_header.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "support/bitmap_builder.h"

namespace {

using zandrel::BmpHeader;
using zandrel::ByteReader;
using zandrel::Refusal;
using zandrel::test::Bgra;
using zandrel::test::BitmapRecipe;
using zandrel::test::Bytes;

Refusal Read(const Bytes& file, BmpHeader* pHeader)
{
    ByteReader reader(file.data(), file.size());
    const Refusal eRefusal = zandrel::ReadBmpHeader(reader, pHeader);
    if (eRefusal == Refusal::kNone) {
        EXPECT_EQ(reader.Position(), pHeader->nPaletteOffset);  // left at the palette
    }
    return eRefusal;
}

struct HeaderCase {
    std::uint32_t nInfoSize;
    std::uint32_t nCompression;
    bool bMasksAfterHeader;
    std::uint32_t nPaletteOffset;
    std::uint32_t nRedMask;   // as the reader reports it
    bool bHasAlphaMask;
};

// Where each header size keeps its masks, and where the palette begins.
TEST(BmpHeaderTest, ReadsMasksByHeaderSize)
{
    const HeaderCase cases[] = {
        {12, 0, false, 26, 0, false},         {40, 0, false, 54, 0, false},
        {40, 3, true, 66, 0xFF0000, false},   {40, 6, true, 70, 0xFF0000, true},
        {52, 3, false, 66, 0xFF0000, false},  {56, 3, false, 70, 0xFF0000, true},
        {64, 3, false, 78, 0, false},         {108, 3, false, 122, 0xFF0000, true},
        {124, 0, false, 138, 0xFF0000, true},
    };
    for (const HeaderCase& c : cases) {
        BitmapRecipe recipe;
        recipe.nInfoSize = c.nInfoSize;
        recipe.nBitCount = 32;
        recipe.nWidth = 3;
        recipe.nHeight = 2;
        recipe.nCompression = c.nCompression;
        recipe.bMasksAfterHeader = c.bMasksAfterHeader;
        recipe.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        recipe.pixels.assign(24, 0);
        BmpHeader header;
        ASSERT_EQ(Read(BuildBitmap(recipe), &header), Refusal::kNone) << c.nInfoSize;
        EXPECT_EQ(header.nPaletteOffset, c.nPaletteOffset) << c.nInfoSize;
        EXPECT_EQ(header.nPixelOffset, c.nPaletteOffset) << c.nInfoSize;
        EXPECT_EQ(header.nRedMask, c.nRedMask) << c.nInfoSize;
        EXPECT_EQ(header.bHasAlphaMask, c.bHasAlphaMask) << c.nInfoSize;
        EXPECT_EQ(header.nAlphaMask, c.bHasAlphaMask ? 0xFF000000 : 0u) << c.nInfoSize;
        EXPECT_EQ(header.nWidth, 3);
        EXPECT_EQ(header.nHeight, 2);
        EXPECT_FALSE(header.bTopDown);
    }
}

// Depth 8 and below: the palette lies between headers and pixels.
TEST(BmpHeaderTest, PixelsMayNotStartInsideThePalette)
{
    for (const std::uint32_t nClrUsed : {0u, 3u, 257u}) {
        BitmapRecipe recipe;
        recipe.nBitCount = 8;
        recipe.nClrUsed = nClrUsed;
        recipe.palette.assign(nClrUsed == 3 ? 3 : 255, Bgra{});  // one short of 256 entries
        recipe.pixels.assign(4, 0);
        BmpHeader header;
        EXPECT_EQ(Read(BuildBitmap(recipe), &header), nClrUsed == 3 ? Refusal::kNone : Refusal::kBadHeader)
            << nClrUsed;
    }
}

TEST(BmpHeaderTest, RefusesMalformedStarts)
{
    BitmapRecipe badSize;
    badSize.nInfoSize = 41;
    BitmapRecipe minHeight;
    minHeight.nHeight = INT_MIN;
    BitmapRecipe notBm;
    notBm.signature = {'B', 'A'};
    BmpHeader header;
    EXPECT_EQ(Read(BuildBitmap(badSize), &header), Refusal::kBadHeader);
    EXPECT_EQ(Read(BuildBitmap(minHeight), &header), Refusal::kBadHeader);
    EXPECT_EQ(Read(BuildBitmap(notBm), &header), Refusal::kNotBitmap);
    EXPECT_EQ(Read(Bytes{}, &header), Refusal::kNotBitmap);
    EXPECT_EQ(Read(Bytes{'X'}, &header), Refusal::kNotBitmap);
    EXPECT_EQ(Read(Bytes{'B'}, &header), Refusal::kTruncated);
}

TEST(BmpHeaderTest, RowStrideIsPaddedAndDoesNotOverflow)
{
    EXPECT_EQ(zandrel::BmpRowStride(5, 24), 16u);
    EXPECT_EQ(zandrel::BmpRowStride(33, 1), 8u);
    EXPECT_EQ(zandrel::BmpRowStride(-5, 32), 0u);
    EXPECT_EQ(zandrel::BmpRowStride(INT_MAX, 32), 4ull * INT_MAX);
}

}  // namespace

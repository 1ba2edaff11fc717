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
using zandrel::test::BitmapSpec;
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
        BitmapSpec spec;
        spec.nInfoSize = c.nInfoSize;
        spec.nBitCount = 32;
        spec.nWidth = 3;
        spec.nHeight = 2;
        spec.nCompression = c.nCompression;
        spec.bMasksAfterHeader = c.bMasksAfterHeader;
        spec.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        spec.pixels.assign(24, 0);
        BmpHeader header;
        ASSERT_EQ(Read(BuildBitmap(spec), &header), Refusal::kNone) << c.nInfoSize;
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

TEST(BmpHeaderTest, PaletteSizeFollowsDepthAndColoursUsed)
{
    struct Case {
        std::uint32_t nInfoSize;
        std::uint16_t nBitCount;
        std::uint32_t nClrUsed;
        std::size_t nEntries;  // written to the file
        Refusal eWant;
        std::uint32_t nCount;
    };
    const Case cases[] = {
        {40, 8, 0, 256, Refusal::kNone, 256}, {40, 8, 3, 3, Refusal::kNone, 3},
        {12, 4, 0, 16, Refusal::kNone, 16},   {40, 1, 0, 2, Refusal::kNone, 2},
        {40, 8, 257, 256, Refusal::kBadHeader, 0},
        {40, 8, 0, 255, Refusal::kBadHeader, 0},  // pixels would start inside the palette
    };
    for (const Case& c : cases) {
        BitmapSpec spec;
        spec.nInfoSize = c.nInfoSize;
        spec.nBitCount = c.nBitCount;
        spec.nClrUsed = c.nClrUsed;
        spec.nHeight = -1;
        spec.palette.assign(c.nEntries, Bgra{});
        spec.pixels.assign(4, 0);
        BmpHeader header;
        ASSERT_EQ(Read(BuildBitmap(spec), &header), c.eWant) << c.nBitCount << "/" << c.nClrUsed;
        if (c.eWant == Refusal::kNone) {
            EXPECT_EQ(header.nPaletteCount, c.nCount);
            EXPECT_EQ(header.nPaletteEntrySize, c.nInfoSize == 12 ? 3u : 4u);
            EXPECT_EQ(header.bTopDown, c.nInfoSize != 12);
        }
    }
}

TEST(BmpHeaderTest, RefusesMalformedStarts)
{
    BitmapSpec badSize;
    badSize.nInfoSize = 41;
    BitmapSpec minHeight;
    minHeight.nHeight = INT_MIN;
    BitmapSpec notBm;
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
    EXPECT_EQ(zandrel::BmpRowStride(1, 24), 4u);
    EXPECT_EQ(zandrel::BmpRowStride(3, 24), 12u);
    EXPECT_EQ(zandrel::BmpRowStride(5, 24), 16u);
    EXPECT_EQ(zandrel::BmpRowStride(33, 1), 8u);
    EXPECT_EQ(zandrel::BmpRowStride(3, 4), 4u);
    EXPECT_EQ(zandrel::BmpRowStride(0, 24), 0u);
    EXPECT_EQ(zandrel::BmpRowStride(-5, 32), 0u);
    EXPECT_EQ(zandrel::BmpRowStride(INT_MAX, 32), 4ull * INT_MAX);
}

}  // namespace

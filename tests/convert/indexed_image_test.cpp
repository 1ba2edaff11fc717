// RLE8 images on either side of the rule that past 2^20 pixels a stream needs a byte for every 256 pixels.
#include <gtest/gtest.h>

#include "convert/indexed_image.h"
#include "support/bitmap_builder.h"

namespace {

TEST(IndexedImage, Rle8StreamShortForItsImageIsRefusedOnlyPastTheBound)
{
    const struct { const char* pszName; std::int32_t nWidth, nHeight; int nLineEnds; zandrel::Refusal eExpected; } rows[] = {
        {"2^20 pixels, an end code alone", 1024, 1024, 0, zandrel::Refusal::kNone},
        {"one pixel more", 1048577, 1, 0, zandrel::Refusal::kTruncated},
        {"2^20 + 512 pixels, 4098 bytes", 512, 2049, 2048, zandrel::Refusal::kTruncated},
        {"2^20 + 512 pixels, 4100 bytes", 512, 2049, 2049, zandrel::Refusal::kNone},
    };
    for (const auto& row : rows) {
        zandrel::test::Bytes stream;
        for (int i = 0; i < row.nLineEnds; ++i)
            stream.insert(stream.end(), {0, 0});
        stream.insert(stream.end(), {0, 1});
        const zandrel::test::Bytes file = zandrel::test::BuildBitmap(
            {.nWidth = row.nWidth, .nHeight = row.nHeight, .nBitCount = 8, .nCompression = 1, .nClrUsed = 2,
             .palette = zandrel::test::DistinctPalette(2), .pixels = stream});
        zandrel::ByteReader reader(file.data(), file.size());
        zandrel::IndexedImage image;
        EXPECT_EQ(zandrel::ReadIndexedImage(reader, &image), row.eExpected) << row.pszName;
    }
}

}  // namespace

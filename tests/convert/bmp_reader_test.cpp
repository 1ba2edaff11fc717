// RLE8 images on either side of the rule that past 2^20 pixels a stream needs a byte for every 256 pixels.
#include <gtest/gtest.h>

#include "convert/bmp/bmp_reader.h"
#include "support/bitmap_builder.h"

namespace zandrel {
namespace {

TEST(BmpReader, Rle8StreamShortForItsImageIsRefusedOnlyPastTheBound)
{
    // The stream: nLineEnds end-of-line codes, then the end code.
    const struct { const char* pszName; std::int32_t nWidth, nHeight; int nLineEnds; Refusal eExpected; } rows[] = {
        {"2^20 pixels, an end code alone", 1024, 1024, 0, Refusal::kNone},
        {"one pixel more", 1048577, 1, 0, Refusal::kTruncated},
        {"2^20 + 512 pixels, 4098 bytes", 512, 2049, 2048, Refusal::kTruncated},
        {"2^20 + 512 pixels, 4100 bytes", 512, 2049, 2049, Refusal::kNone},
    };
    for (const auto& row : rows) {
        test::Bytes stream(2 * row.nLineEnds);
        stream.insert(stream.end(), {0, 1});
        const test::Bytes file = test::BuildBitmap(
            {.nWidth = row.nWidth, .nHeight = row.nHeight, .nBitCount = 8, .nCompression = 1, .nClrUsed = 2,
             .palette = test::DistinctPalette(2), .pixels = stream});
        ByteReader reader(file.data(), file.size());
        DecodedImage image;
        int nBitCount = 0;
        EXPECT_EQ(ReadBmpImage(reader, BmpDepths::kDefaultOutput, &image, &nBitCount), row.eExpected) << row.pszName;
    }
}

}  // namespace
}  // namespace zandrel

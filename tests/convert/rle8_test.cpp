#include "convert/rle8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using zandrel::ByteReader;
using zandrel::DecodeRle8;
using zandrel::Refusal;
using Bytes = std::vector<std::uint8_t>;

struct Rle8Case {
    const char* name;
    int width;
    int height;
    Bytes stream;
    Refusal expected;
    Bytes topDownRows;  // checked only when the stream is accepted
};

void PrintTo(const Rle8Case& c, std::ostream* os)
{
    *os << c.name;
}

class Rle8EscapeTest : public ::testing::TestWithParam<Rle8Case> {};

TEST_P(Rle8EscapeTest, DecodesOrRefuses)
{
    const Rle8Case& c = GetParam();
    ByteReader reader(c.stream.data(), c.stream.size());
    // Poisoned, so index 0 for untouched pixels must come from the decoder.
    Bytes rows(static_cast<std::size_t>(c.width * c.height), 0xCD);
    ASSERT_EQ(DecodeRle8(reader, c.width, c.height, rows.data()), c.expected);
    if (c.expected == Refusal::kNone) {
        EXPECT_EQ(rows, c.topDownRows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, Rle8EscapeTest,
    ::testing::Values(
        Rle8Case{"EncodedRun", 4, 1, {0x04, 0x07, 0x00, 0x01}, Refusal::kNone, {7, 7, 7, 7}},
        Rle8Case{"RunsSideBySide", 4, 1, {0x01, 0x05, 0x03, 0x06, 0x00, 0x01}, Refusal::kNone, {5, 6, 6, 6}},
        // An odd absolute run is followed by a pad byte that must be skipped.
        Rle8Case{"AbsoluteOddPadded", 4, 1, {0x00, 0x03, 0x0A, 0x0B, 0x0C, 0x00, 0x01, 0x0D, 0x00, 0x01},
                 Refusal::kNone, {0x0A, 0x0B, 0x0C, 0x0D}},
        // An even one has no pad byte: its successor follows at once.
        Rle8Case{"AbsoluteEvenUnpadded", 5, 1, {0x00, 0x04, 0x01, 0x02, 0x03, 0x04, 0x01, 0x09, 0x00, 0x01},
                 Refusal::kNone, {1, 2, 3, 4, 9}},
        Rle8Case{"AbsoluteLongest", 255, 1,
                 [] {
                     Bytes s{0x00, 0xFF};
                     for (int i = 0; i < 255; ++i)
                         s.push_back(static_cast<std::uint8_t>(i));
                     s.insert(s.end(), {0x00, 0x00, 0x01});
                     return s;
                 }(),
                 Refusal::kNone,
                 [] {
                     Bytes r;
                     for (int i = 0; i < 255; ++i)
                         r.push_back(static_cast<std::uint8_t>(i));
                     return r;
                 }()},
        // The stream runs bottom row first; the result is top row first.
        Rle8Case{"EndOfLineMovesUp", 2, 2, {0x01, 0x05, 0x00, 0x00, 0x02, 0x06, 0x00, 0x01}, Refusal::kNone,
                 {6, 6, 5, 0}},
        Rle8Case{"EarlyEndOfBitmapLeavesZero", 2, 2, {0x01, 0x03, 0x00, 0x01}, Refusal::kNone, {0, 0, 3, 0}},
        Rle8Case{"BytesAfterEndOfBitmapIgnored", 1, 1, {0x01, 0x03, 0x00, 0x01, 0x05, 0x05}, Refusal::kNone, {3}},
        Rle8Case{"DeltaSkipsRightAndUp", 4, 3, {0x00, 0x02, 0x02, 0x01, 0x02, 0x09, 0x00, 0x01}, Refusal::kNone,
                 {0, 0, 0, 0, 0, 0, 9, 9, 0, 0, 0, 0}},
        Rle8Case{"DeltaThenEndOfLineStartsAtLeft", 2, 2,
                 {0x00, 0x02, 0x01, 0x00, 0x01, 0x04, 0x00, 0x00, 0x01, 0x08, 0x00, 0x01}, Refusal::kNone,
                 {8, 0, 0, 4}},
        // Encoders may run a row into its alignment bytes; those are dropped.
        Rle8Case{"RunIntoAlignmentDropped", 3, 2, {0x04, 0x07, 0x00, 0x00, 0x04, 0x08, 0x00, 0x01}, Refusal::kNone,
                 {8, 8, 8, 7, 7, 7}},
        Rle8Case{"AbsoluteIntoAlignmentDropped", 3, 1, {0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x01, 0x04, 0x00, 0x01},
                 Refusal::kNone, {1, 2, 3}},
        Rle8Case{"EndOfLineAfterTopRowAccepted", 1, 1, {0x01, 0x03, 0x00, 0x00, 0x00, 0x01}, Refusal::kNone, {3}},
        Rle8Case{"HeightZeroEndOnly", 3, 0, {0x00, 0x01}, Refusal::kNone, {}},
        // Writes outside the stored rows.
        Rle8Case{"RunPastRow", 3, 1, {0x05, 0x07, 0x00, 0x01}, Refusal::kBadHeader, {}},
        Rle8Case{"RunsAddUpPastRow", 4, 1, {0x03, 0x07, 0x02, 0x07, 0x00, 0x01}, Refusal::kBadHeader, {}},
        Rle8Case{"AbsolutePastRow", 4, 1, {0x00, 0x05, 1, 2, 3, 4, 5, 0x00, 0x00, 0x01}, Refusal::kBadHeader, {}},
        Rle8Case{"DeltaRightThenRunPastRow", 4, 1, {0x00, 0x02, 0x03, 0x00, 0x02, 0x01, 0x00, 0x01},
                 Refusal::kBadHeader, {}},
        Rle8Case{"RunAboveTopRow", 2, 1, {0x00, 0x00, 0x01, 0x01, 0x00, 0x01}, Refusal::kBadHeader, {}},
        Rle8Case{"DeltaAboveTopThenRun", 2, 2, {0x00, 0x02, 0x00, 0x05, 0x01, 0x01, 0x00, 0x01},
                 Refusal::kBadHeader, {}},
        Rle8Case{"HeightZeroWithPixels", 3, 0, {0x01, 0x05, 0x00, 0x01}, Refusal::kBadHeader, {}},
        // Streams that end before their end-of-bitmap code.
        Rle8Case{"Empty", 1, 1, {}, Refusal::kTruncated, {}},
        Rle8Case{"NoEndOfBitmap", 2, 1, {0x02, 0x03}, Refusal::kTruncated, {}},
        Rle8Case{"EndsAfterEndOfLine", 2, 2, {0x02, 0x03, 0x00, 0x00}, Refusal::kTruncated, {}},
        Rle8Case{"HalfAPair", 2, 1, {0x02}, Refusal::kTruncated, {}},
        Rle8Case{"AbsoluteCut", 4, 1, {0x00, 0x04, 0x01, 0x02}, Refusal::kTruncated, {}},
        Rle8Case{"PadByteMissing", 4, 1, {0x00, 0x03, 0x01, 0x02, 0x03}, Refusal::kTruncated, {}},
        Rle8Case{"DeltaCut", 4, 2, {0x00, 0x02, 0x01}, Refusal::kTruncated, {}}),
    [](const ::testing::TestParamInfo<Rle8Case>& info) { return std::string(info.param.name); });

// A stream far longer than one read chunk, with absolute runs that straddle
// chunk boundaries.
TEST(Rle8Test, LongStreamAcrossChunks)
{
    const int nWidth = 1000;
    const int nHeight = 60;
    const auto value = [](int x, int y) { return static_cast<std::uint8_t>(x * 7 + y * 13); };
    Bytes stream;
    for (int y = 0; y < nHeight; ++y) {  // stream order: bottom row first
        for (int x = 0; x < nWidth; x += 250) {
            stream.insert(stream.end(), {0x00, 250});
            for (int i = 0; i < 250; ++i)
                stream.push_back(value(x + i, nHeight - 1 - y));
        }
        stream.insert(stream.end(), {0x00, 0x00});
    }
    stream.insert(stream.end(), {0x00, 0x01});
    ASSERT_GT(stream.size(), 3u * 16384u);

    ByteReader reader(stream.data(), stream.size());
    Bytes rows(static_cast<std::size_t>(nWidth * nHeight), 0xCD);
    ASSERT_EQ(DecodeRle8(reader, nWidth, nHeight, rows.data()), Refusal::kNone);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            ASSERT_EQ(rows[static_cast<std::size_t>(y * nWidth + x)], value(x, y)) << x << "," << y;
}

}  // namespace

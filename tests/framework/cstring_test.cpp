#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/mbcs.h"

namespace {

using zandrel::kCodePageShiftJis;
using zandrel::kSingleByteCodePage;

struct ReverseFindCase {
    const char* text;
    char ch;
    unsigned codePage;
    int expected;
};

class ReverseFindTest : public ::testing::TestWithParam<ReverseFindCase> {};

TEST_P(ReverseFindTest, FindsLastCharacterNotTrailByte)
{
    const ReverseFindCase& c = GetParam();
    EXPECT_EQ(CString(c.text).ReverseFind(c.ch, c.codePage), c.expected) << c.text;
}

// "\x83\x5C" is katakana SO and "\x95\x5C" is the kanji for "table" in code
// page 932: both end in the byte of a backslash.
INSTANTIATE_TEST_SUITE_P(
    CodePages, ReverseFindTest,
    ::testing::Values(ReverseFindCase{"C:\\img\\logo.bmp", '\\', kCodePageShiftJis, 6},
                      ReverseFindCase{"C:\\img\\logo.bmp", '.', kCodePageShiftJis, 11},
                      ReverseFindCase{"logo", '.', kCodePageShiftJis, -1},
                      ReverseFindCase{"", '\\', kCodePageShiftJis, -1},
                      ReverseFindCase{"C:\\\x83\x5C", '\\', kCodePageShiftJis, 2},
                      ReverseFindCase{"C:\\\x83\x5C", '\\', kSingleByteCodePage, 4},
                      ReverseFindCase{"\x95\x5C\x95\x5C", '\\', kCodePageShiftJis, -1},
                      // A trailing lone lead byte is a character of its own.
                      ReverseFindCase{"a.\x83", '.', kCodePageShiftJis, 1},
                      // Half-width katakana (0xA1-0xDF) are single bytes.
                      ReverseFindCase{"\xB1\\x", '\\', kCodePageShiftJis, 1}));

TEST(CStringTest, SubstringsClampOutOfRangeCounts)
{
    const CString text("abcdef");
    EXPECT_EQ(text.Mid(2, 3), "cde");
    EXPECT_EQ(text.Mid(4), "ef");
    EXPECT_EQ(text.Mid(3, -1), "");
    EXPECT_EQ(text.Mid(-2, 3), "abc");
    EXPECT_EQ(text.Mid(10, 2), "");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Left(9), "abcdef");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(-3), "");
}

TEST(CStringTest, KeepsEmbeddedBytesAndConcatenates)
{
    CString text("\x83\x5C", 2);
    text += "x";
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_EQ("a" + text + CString("b"), CString("a\x83\x5C" "xb"));
}

}  // namespace

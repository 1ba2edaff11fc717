#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/mbcs.h"

namespace {

// "\x83\x5C" (katakana SO) and "\x95\x5C" (the kanji for "table") in code
// page 932 end in the byte of a backslash.
TEST(CStringTest, ReverseFindSkipsTrailBytes)
{
    const struct {
        const char* pszText;
        char ch;
        unsigned nCodePage;
        int nExpected;
    } cases[] = {
        {"C:\\img\\logo.bmp", '\\', zandrel::kCodePageShiftJis, 6},
        {"logo", '.', zandrel::kCodePageShiftJis, -1},
        {"C:\\\x83\x5C", '\\', zandrel::kCodePageShiftJis, 2},
        {"C:\\\x83\x5C", '\\', zandrel::kSingleByteCodePage, 4},
        {"\x95\x5C\x95\x5C", '\\', zandrel::kCodePageShiftJis, -1},
        {"a.\x83", '.', zandrel::kCodePageShiftJis, 1},    // a lone lead byte at the end
        {"\xB1\\x", '\\', zandrel::kCodePageShiftJis, 1},  // half-width katakana are single bytes
        {"\xE0\x5C\xFC\x5C\x81\\", '\\', zandrel::kCodePageShiftJis, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszText).ReverseFind(c.ch, c.nCodePage), c.nExpected) << c.pszText;
}

TEST(CStringTest, SubstringsClampOutOfRangeCounts)
{
    const CString text("abcdef");
    EXPECT_EQ(text.Mid(2, 3) + text.Mid(4) + text.Mid(-2, 3) + text.Left(9) + text.Right(2), "cdeefabcabcdefef");
    EXPECT_EQ(text.Mid(3, -1) + text.Mid(10, 2) + text.Left(-1) + text.Right(-3) + text.Right(7).Mid(6), "");
    EXPECT_EQ(CString("\x83\x5C" "x", 3).GetLength(), 3);
}

}  // namespace

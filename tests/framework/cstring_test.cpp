#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/mbcs.h"

namespace {

// Under code page 932 "\x83\x5C" (SO), "\x95\x5C" and "\xE0\x5C" end in the
// byte of a backslash; half-width katakana (0xA1-0xDF) are single bytes.
TEST(CStringTest, ReverseFindSkipsTrailBytes)
{
    const struct {
        const char* pszText;
        char ch;
        unsigned nCodePage;
        int nExpected;
    } cases[] = {
        {"C:\\\x83\x5C", '\\', zandrel::kCodePageShiftJis, 2},  {"C:\\\x83\x5C", '\\', zandrel::kSingleByteCodePage, 4},
        {"logo", '.', zandrel::kCodePageShiftJis, -1},          {"a.\x83", '.', zandrel::kCodePageShiftJis, 1},
        {"\xB1\\x", '\\', zandrel::kCodePageShiftJis, 1},       {"\xE0\x5C\xFC\x5C\x80\\", '\\', 932, 5},
        {"\x81\\\x9F\\\xA0\\", '\\', zandrel::kCodePageShiftJis, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszText).ReverseFind(c.ch, c.nCodePage), c.nExpected) << c.pszText;
}

TEST(CStringTest, SubstringsClampOutOfRangeCounts)
{
    const CString text("abcdef");
    EXPECT_EQ(text.Mid(2, 3) + text.Mid(4) + text.Mid(-2, 3) + text.Left(9) + text.Right(2), "cdeefabcabcdefef");
    EXPECT_EQ(text.Mid(3, -1) + text.Mid(10, 2) + text.Left(-1) + text.Right(-3) + text.Right(7).Mid(6), "");
}

}  // namespace

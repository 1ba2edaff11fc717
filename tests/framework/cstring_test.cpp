#include "framework/cstring.h"

#include <gtest/gtest.h>

#include "framework/mbcs.h"

namespace {

// A byte and a backslash: the backslash is found unless the byte opens a
// double-byte character of the code page. A lone lead byte at the end is a
// character of its own.
TEST(CStringTest, ReverseFindSkipsTrailBytesAndSubstringsClamp)
{
    const struct { unsigned nCodePage; const char* pszLeads; const char* pszSingles; } pages[] = {{932, "\x81\x9F\xE0\xFC", "\x80\xA0\xDF\xFD\\"}, {936, "\x81\xFE", "\x80\xFF"},
                 {949, "\x81\xFE", "\x80\xFF"}, {950, "\x81\xFE", "\x80\xFF"}, {0, "", "\x81\xE0"}};
    for (const auto& page : pages) {
        for (const char* p = page.pszLeads; *p; ++p)
            EXPECT_EQ(CString(std::string{*p, '\\'}).ReverseFind('\\', page.nCodePage), -1) << page.nCodePage << *p;
        for (const char* p = page.pszSingles; *p; ++p)
            EXPECT_EQ(CString(std::string{*p, '\\'}).ReverseFind('\\', page.nCodePage), 1) << page.nCodePage << *p;
    }
    EXPECT_EQ(CString("a.\x83").ReverseFind('.', zandrel::kCodePageShiftJis), 1);
    const CString text("abcdef");  // substring counts outside it are clamped
    EXPECT_EQ(text.Mid(2, 3) + text.Mid(4, 9) + text.Mid(-2, 3) + text.Left(9), "cdeefabcabcdef");
    EXPECT_EQ(text.Mid(3, -1) + text.Mid(10, 2) + text.Left(-1), "");
}

}  // namespace

// CString: the last-character search by characters of a code page, and substrings clamped to the string.
#include "framework/cstring.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "framework/mbcs.h"

namespace {

// A byte and a backslash: the backslash is found unless the byte opens a
// double-byte character of the code page. A lone lead byte at the end is a
// character of its own.
TEST(CStringTest, ReverseFindSkipsTrailBytesAndSubstringsClamp)
{
    const struct { unsigned nCodePage; const char* pszLeads; const char* pszSingles; } pages[] = {
        {932, "\x81\x9F\xE0\xFC", "\x80\xA0\xDF\xFD\\"}, {936, "\x81\xFE", "\x80\xFF"}, {949, "\x81\xFE", "\x80\xFF"},
        {950, "\x81\xFE", "\x80\xFF"}, {0, "", "\x81\xE0"}};
    for (const auto& page : pages) {
        for (const char* p = page.pszLeads; *p; ++p)
            EXPECT_EQ(CString(std::string{*p, '\\'}).ReverseFind('\\', page.nCodePage), -1) << page.nCodePage << *p;
        for (const char* p = page.pszSingles; *p; ++p)
            EXPECT_EQ(CString(std::string{*p, '\\'}).ReverseFind('\\', page.nCodePage), 1) << page.nCodePage << *p;
    }
    EXPECT_EQ(CString("a.\x83").ReverseFind('.', zandrel::kCodePageShiftJis), 1);
    EXPECT_EQ(CString("a.\x83").ReverseFind('\x83', zandrel::kCodePageShiftJis), 2);
    const CString text("abcdef");  // substring counts outside it are clamped
    const std::pair<CString, const char*> cuts[] = {
        {text.Mid(2, 3), "cde"}, {text.Mid(4, 9), "ef"}, {text.Mid(-2, 3), "abc"}, {text.Left(9), "abcdef"},
        {text.Mid(3, -1), ""},   {text.Mid(10, 2), ""},  {text.Left(-1), ""}};
    for (std::size_t i = 0; i < std::size(cuts); ++i)
        EXPECT_EQ(cuts[i].first.Str(), cuts[i].second) << "cut " << i;
}

}  // namespace

// Start-up sets the C runtime's multi-byte code page to the ANSI one, and
// path searches follow it: under code page 932 the trail byte of a
// double-byte character is never taken for a backslash or a dot.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/cstring.h"
#include "framework/win32/afx.h"

// Last: it defines macros that clash with the C++ library.
#include <mbctype.h>

namespace {

TEST(CodePage, ModuleStateSetsTheAnsiCodePage)
{
    AfxGetModuleState();
    ASSERT_EQ(::GetACP(), 932u) << "the tests need LANG=ja_JP.UTF-8 (Wine takes the ANSI code page from it)";
    EXPECT_EQ(_getmbcp(), 932);
}

TEST(CodePage, ReverseFindFollowsTheCodePageOfTheRuntime)
{
    AfxGetModuleState();
    struct Case {
        const char* text;
        char ch;
        int expected;
    };
    // "\x95\x5C" (table) and "\x83\x5C" (katakana so) end in the byte of a
    // backslash; "\x81\x2E"-like pairs do not occur in 932, but a lead byte
    // right before the end must not swallow a real last character.
    const Case cases[] = {
        {"C:\\img\\\x95\x5C.bmp", '\\', 6},
        {"C:\\img\\\x95\x5C.bmp", '.', 9},
        {"C:\\\x83\x5C\x83\x5C", '\\', 2},
        {"C:\\dir\\\x83\x5C", '\\', 6},
        {"\x95\x5C", '\\', -1},
        {"a.b\\c", '.', 1},
        {"", '\\', -1},
        {"\x95", '\\', -1},  // a lone lead byte at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.text).ReverseFind(c.ch), c.expected) << c.text;
}

}  // namespace

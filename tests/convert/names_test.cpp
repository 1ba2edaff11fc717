// Output paths compared exactly, or with single-byte ASCII letters folded where the file system ignores case.
#include <gtest/gtest.h>

#include "convert/output/names.h"

namespace {

TEST(NamesTest, SamePathIsExactOrFoldsSingleByteLetters)
{
    const zandrel::PathStyle kExact{'/', 0, false}, kFolding{'\\', 0, true}, kShiftJis{'\\', 932, true};
    const struct { const char *pszA, *pszB; zandrel::PathStyle style; bool bSame; } cases[] = {
        {"out/ship.c", "out/ship.c", kExact, true}, {"out/Ship.c", "out/ship.c", kExact, false},
        {"OUT\\SHIP.C", "out\\ship.c", kFolding, true}, {"out\\ship.c", "out\\ship.h", kFolding, false},
        {"out\\ship.c", "out\\ship.c2", kFolding, false}, {"[\\ship.c", "{\\ship.c", kFolding, false},
        // 0x83 0x41 and 0x83 0x61 are two katakana (a trail byte is no letter); in single bytes 'A' folds.
        {"\x83\x41.c", "\x83\x61.c", kShiftJis, false}, {"\x83\x41X.c", "\x83\x41x.c", kShiftJis, true},
        {"\x83\x41.c", "\x83\x61.c", kFolding, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zandrel::IsSamePath(CString(c.pszA), CString(c.pszB), c.style), c.bSame) << c.pszA << " " << c.pszB;
}

}  // namespace

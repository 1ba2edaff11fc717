// Which output paths a run takes for the same file: exact, or with ASCII letters folded where the file
// system ignores case, never folding a double-byte character's trail byte.
#include <gtest/gtest.h>

#include "convert/output/names.h"
#include "framework/mbcs.h"

namespace {

using zandrel::PathStyle;

TEST(NamesTest, SamePathIsExactOrFoldsSingleByteLetters)
{
    const PathStyle kExact{'/', zandrel::kSingleByteCodePage, false};
    const PathStyle kFolding{'\\', zandrel::kSingleByteCodePage, true};
    const PathStyle kShiftJis{'\\', zandrel::kCodePageShiftJis, true};
    const struct {
        const char* pszA;
        const char* pszB;
        PathStyle style;
        bool bSame;
    } cases[] = {
        {"out/image_ship.c", "out/image_ship.c", kExact, true},
        {"out/image_Ship.c", "out/image_ship.c", kExact, false},
        {"OUT\\IMAGE_SHIP.C", "out\\image_ship.c", kFolding, true},
        {"out\\image_ship.c", "out\\image_ship.h", kFolding, false},
        {"out\\image_ship.c", "out\\image_ship.c2", kFolding, false},
        {"[\\image_ship.c", "{\\image_ship.c", kFolding, false},  // only letters fold
        // 0x83 0x41 and 0x83 0x61 are two different katakana: their trail bytes are not letters.
        {"\x83\x41.c", "\x83\x61.c", kShiftJis, false},
        {"\x83\x41X.c", "\x83\x41x.c", kShiftJis, true},
        // Single-byte there, 0x83 is a character of its own and 'A' after it folds.
        {"\x83\x41.c", "\x83\x61.c", kFolding, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zandrel::IsSamePath(CString(c.pszA), CString(c.pszB), c.style), c.bSame) << c.pszA << " " << c.pszB;
}

}  // namespace

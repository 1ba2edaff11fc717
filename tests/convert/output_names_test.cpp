#include "convert/output_names.h"

#include <gtest/gtest.h>

#include "framework/mbcs.h"

namespace {

using zandrel::DeriveOutputNames;
using zandrel::MakeCIdentifier;
using zandrel::PathStyle;

const PathStyle kWindows{'\\', zandrel::kCodePageShiftJis};
const PathStyle kPosix{'/', zandrel::kSingleByteCodePage};

struct NamingCase {
    const char* path;
    int addPrefix;
    PathStyle style;
    const char* source;
    const char* binary;
    const char* arrayName;
};

class NamingRuleTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(NamingRuleTest, DerivesOutputNamesByteForByte)
{
    const NamingCase& c = GetParam();
    const zandrel::OutputNames names = DeriveOutputNames(c.path, c.addPrefix, c.style);
    EXPECT_EQ(names.strSourcePath.Str(), c.source);
    EXPECT_EQ(names.strBinaryPath.Str(), c.binary);
    EXPECT_EQ(names.strArrayName.Str(), c.arrayName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NamingRuleTest,
    ::testing::Values(
        NamingCase{"C:\\img\\logo.bmp", 1, kWindows, "C:\\img\\image_logo.c", "C:\\img\\image_logo.bin", "image_logo"},
        NamingCase{"C:\\img\\logo.bmp", 0, kWindows, "C:\\img\\logo.c", "C:\\img\\logo.bin", "logo"},
        NamingCase{"C:\\img\\my.logo.bmp", 1, kWindows, "C:\\img\\image_my.logo.c", "C:\\img\\image_my.logo.bin",
                   "image_my.logo"},
        NamingCase{"C:\\my.img\\logo.bmp", 1, kWindows, "C:\\my.img\\image_logo.c", "C:\\my.img\\image_logo.bin",
                   "image_logo"},
        // No dot in the file name: the whole name is the base name.
        NamingCase{"C:\\img\\logo", 1, kWindows, "C:\\img\\image_logo.c", "C:\\img\\image_logo.bin", "image_logo"},
        NamingCase{"C:\\my.img\\logo", 1, kWindows, "C:\\my.img\\image_logo.c", "C:\\my.img\\image_logo.bin",
                   "image_logo"},
        // Nothing but an extension.
        NamingCase{"C:\\img\\.bmp", 1, kWindows, "C:\\img\\image_.c", "C:\\img\\image_.bin", "image_"},
        NamingCase{"C:\\img\\.bmp", 0, kWindows, "C:\\img\\.c", "C:\\img\\.bin", ""},
        // No separator: the current folder.
        NamingCase{"logo.bmp", 1, kPosix, "image_logo.c", "image_logo.bin", "image_logo"},
        NamingCase{"/tmp/a.b/pic.BMP", 0, kPosix, "/tmp/a.b/pic.c", "/tmp/a.b/pic.bin", "pic"},
        NamingCase{"/tmp/a.b/pic", 0, kPosix, "/tmp/a.b/pic.c", "/tmp/a.b/pic.bin", "pic"},
        // Code page 932: SO (83 5C) and "table" (95 5C) end in a backslash byte.
        NamingCase{"C:\\\x83\x5C\\\x95\x5C.bmp", 1, kWindows, "C:\\\x83\x5C\\image_\x95\x5C.c",
                   "C:\\\x83\x5C\\image_\x95\x5C.bin", "image_\x95\x5C"},
        NamingCase{"C:\\img\\\x83\x5C\x83\x5C", 0, kWindows, "C:\\img\\\x83\x5C\x83\x5C.c",
                   "C:\\img\\\x83\x5C\x83\x5C.bin", "\x83\x5C\x83\x5C"},
        NamingCase{"D:\\\x95\x5C.\x83\x5C.bmp", 0, kWindows, "D:\\\x95\x5C.\x83\x5C.c", "D:\\\x95\x5C.\x83\x5C.bin",
                   "\x95\x5C.\x83\x5C"}));

TEST(MakeCIdentifierTest, ReplacesEveryNonWordByte)
{
    EXPECT_EQ(MakeCIdentifier("image_logo").Str(), "image_logo");
    EXPECT_EQ(MakeCIdentifier("image_my.logo").Str(), "image_my_logo");
    EXPECT_EQ(MakeCIdentifier("my-pic 2").Str(), "my_pic_2");
    EXPECT_EQ(MakeCIdentifier("2d_sprite").Str(), "_2d_sprite");
    EXPECT_EQ(MakeCIdentifier("\x95\x5C").Str(), "__");
    EXPECT_EQ(MakeCIdentifier("").Str(), "_");
}

}  // namespace

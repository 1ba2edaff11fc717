#include <gtest/gtest.h>

#include "convert/output_names.h"
#include "framework/mbcs.h"

namespace {

// Code page 932 paths as the desktop tool gets them; "\x83\x5C" (SO) and
// "\x95\x5C" end in the byte of a backslash.
TEST(NamingTest, OutputNamesAndArrayNamesUnderCodePage932)
{
    const zandrel::PathStyle style{'\\', zandrel::kCodePageShiftJis};
    const struct {
        const char* pszPath;
        int bPrefix;
        const char* pszSource;
        const char* pszIdentifier;
    } cases[] = {
        {"C:\\img\\logo.bmp", 1, "C:\\img\\image_logo.c", "image_logo"},
        {"C:\\my.img\\logo", 0, "C:\\my.img\\logo.c", "logo"},
        {"C:\\img\\my.logo-2.bmp", 1, "C:\\img\\image_my.logo-2.c", "image_my_logo_2"},
        {"C:\\img\\.bmp", 0, "C:\\img\\.c", "_"},
        {"2d.bmp", 0, "2d.c", "_2d"},
        {"C:\\\x83\x5C\\\x95\x5C.bmp", 1, "C:\\\x83\x5C\\image_\x95\x5C.c", "image___"},
        {"D:\\\x95\x5C.\x83\x5C.bmp", 0, "D:\\\x95\x5C.\x83\x5C.c", "_____"},
    };
    for (const auto& c : cases) {
        const zandrel::OutputNames names = zandrel::DeriveOutputNames(c.pszPath, c.bPrefix, style);
        const std::string stem = names.strSourcePath.Left(names.strSourcePath.GetLength() - 2).Str();
        EXPECT_EQ(names.strSourcePath.Str(), c.pszSource);
        EXPECT_EQ(names.strBinaryPath.Str(), stem + ".bin");
        EXPECT_EQ(zandrel::MakeCIdentifier(names.strArrayName).Str(), c.pszIdentifier) << c.pszPath;
    }
}

}  // namespace

// Every PNG of tests/data/png/pairs converts to exactly the files its twin
// NAME.bmp gives: the same palette and indices as an 8-bit bitmap, or the
// same pixels (and alpha) as a 24- or 32-bit one. make_png_pairs.py wrote
// both. Run natively (libspng) and under Wine (the Windows decoder).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/cli.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::TempDir;

// The files written for one input converted under the name pic.EXT.
zandrel::test::Files Convert(const fs::path& input)
{
    const TempDir dir;
    const std::string path = dir.File("pic" + input.extension().string());
    const auto bytes = zandrel::test::ReadFileBytes(input.string());
    EXPECT_TRUE(bytes && zandrel::test::WriteFileBytes(path, *bytes)) << input;
    const char* argv[] = {"zandrel-cli", "--binary", path.c_str()};
    std::FILE* pOutput = std::tmpfile();
    EXPECT_EQ(zandrel::RunCli(3, argv, pOutput, pOutput), 0) << input;
    std::fclose(pOutput);
    fs::remove(path);
    return zandrel::test::ReadFilesUnder(dir.Path());
}

TEST(PngPairs, ConvertExactlyLikeTheirBitmaps)
{
    int nPairs = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(ZANDREL_TEST_DATA_DIR) / "png" / "pairs")) {
        if (entry.path().extension() != ".png")
            continue;
        EXPECT_TRUE(Convert(entry.path()) == Convert(fs::path(entry.path()).replace_extension(".bmp")))
            << entry.path().filename();
        ++nPairs;
    }
    EXPECT_EQ(nPairs, 23);
}

}  // namespace

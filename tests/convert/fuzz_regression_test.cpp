// Inputs that fuzzing found to break the engine, run through the whole
// conversion: each must keep giving its expected result, and a refused one
// must create nothing. Every file in tests/data/fuzz/ needs an entry here.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "convert/convert_file.h"
#include "support/temp_dir.h"

namespace {

using zandrel::Refusal;

const std::string kFolder = std::string(ZANDREL_TEST_DATA_DIR) + "/fuzz";

struct Finding {
    const char* file;
    Refusal expected;  // kNone: converted
    const char* what;  // what went wrong before the fix
};

const std::vector<Finding>& Findings()
{
    static const std::vector<Finding> findings = {
        {"indexed_rle8_stream_far_too_short.bmp", Refusal::kTruncated,
         "24 RLE8 bytes for 1.5 million pixels: the buffer was taken for the header's size, so a tiny file could "
         "claim gigabytes"},
    };
    return findings;
}

void PrintTo(const Finding& finding, std::ostream* os)
{
    *os << finding.file;
}

class FuzzFindingTest : public ::testing::TestWithParam<Finding> {};

TEST_P(FuzzFindingTest, KeepsItsResult)
{
    const Finding& finding = GetParam();
    zandrel::test::TempDir dir;
    const std::string input = dir.File("finding.bmp");
    std::filesystem::copy_file(kFolder + "/" + finding.file, input);
    zandrel::ConvertOptions options;
    options.m_bWriteBinary = 1;

    const zandrel::ConversionReport report =
        zandrel::ConvertBitmapFile(CString(input), options, zandrel::PathStyle::Native());

    EXPECT_EQ(report.eRefusal, finding.expected) << finding.what;
    if (finding.expected == Refusal::kNone) {
        EXPECT_EQ(report.nResult, zandrel::kConvertDone);
        EXPECT_TRUE(std::filesystem::exists(dir.File("image_finding.c")));
    } else {
        EXPECT_EQ(report.nResult, zandrel::kConvertRefused);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "a refused file wrote";
    }
}

INSTANTIATE_TEST_SUITE_P(Findings, FuzzFindingTest, ::testing::ValuesIn(Findings()),
                         [](const ::testing::TestParamInfo<Finding>& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             return name;
                         });

TEST(FuzzFindingTest, EveryFileHasAnEntry)
{
    std::set<std::string> listed;
    for (const Finding& finding : Findings())
        listed.insert(finding.file);
    for (const auto& entry : std::filesystem::directory_iterator(kFolder))
        EXPECT_EQ(listed.count(entry.path().filename().string()), 1u) << entry.path().filename();
}

}  // namespace

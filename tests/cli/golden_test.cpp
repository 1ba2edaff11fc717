// Golden cases: each folder of tests/data/golden holds inputs, case.txt (args, exit, stdout, stderr) and
// expect/ (every file written, byte for byte). ZANDREL_UPDATE_GOLDEN=1 rewrites case.txt and expect/.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/cli.h"
#include "framework/file_system.h"
#include "support/bitmap_builder.h"
#include "support/low_depth_bitmaps.h"
#include "support/refusal_bitmaps.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::Files;
using zandrel::test::ReadFilesUnder;

// Every file under folder, in folders of their own where the name says so.
void WriteFilesUnder(const fs::path& folder, const Files& files)
{
    for (const auto& [name, bytes] : files) {
        fs::create_directories((folder / name).parent_path());
        zandrel::test::WriteFileBytes((folder / name).string(), bytes);
    }
}

std::string Slurp(std::FILE* pFile)
{
    std::string text(static_cast<std::size_t>(std::ftell(pFile)), '\0');
    std::rewind(pFile);
    text.resize(std::fread(text.data(), 1, text.size(), pFile));
    std::fclose(pFile);
    std::replace(text.begin(), text.end(), '\\', '/');  // paths as Windows reports them
    return text;
}

// The inputs a case's folder does not hold: bitmaps built from their tables at test time.
Files BuiltInputs(const std::string& name)
{
    using namespace zandrel::test;
    return name == "refusals"                    ? RefusalBitmaps()
           : name == "refused_texture_low_depth" ? LowDepthRefusalBitmaps()
           : name.starts_with("low_depth_")      ? LowDepthBitmaps()
                                                 : Files{};
}

class GoldenTest : public ::testing::TestWithParam<fs::directory_entry> {};

TEST_P(GoldenTest, WritesExactlyTheExpectedFiles)
{
    const fs::path folder = GetParam().path();
    zandrel::test::TempDir work;
    Files inputs = ReadFilesUnder(folder.string());
    const std::string expected(inputs["case.txt"].begin(), inputs["case.txt"].end());
    inputs.erase("case.txt");
    std::erase_if(inputs, [](const auto& file) { return file.first.starts_with("expect/"); });
    inputs.merge(BuiltInputs(folder.filename().string()));
    WriteFilesUnder(work.Path(), inputs);

    const std::string args = expected.substr(6, expected.find('\n') - 6);
    std::istringstream words("zandrel-cli " + args);
    const std::vector<std::string> argv(std::istream_iterator<std::string>(words), {});
    std::vector<const char*> pszArgv(argv.size());
    std::transform(argv.begin(), argv.end(), pszArgv.begin(), [](const std::string& arg) { return arg.c_str(); });
    const fs::path previous = fs::current_path();
    fs::current_path(work.Path());
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
    const int nExit = zandrel::RunCli(int(pszArgv.size()), pszArgv.data(), pOut, pErr);
    fs::current_path(previous);
    const std::string run = "args: " + args + "\nexit: " + std::to_string(nExit) + "\nstdout:\n" + Slurp(pOut) +
                            "stderr:\n" + Slurp(pErr);
    Files written = ReadFilesUnder(work.Path());
    std::erase_if(written, [&](const auto& file) { return inputs[file.first] == file.second; });

    if (std::getenv("ZANDREL_UPDATE_GOLDEN")) {
        fs::remove_all(folder / "expect");
        WriteFilesUnder(folder / "expect", written);
        zandrel::test::WriteFileBytes((folder / "case.txt").string(), {run.begin(), run.end()});
        return;
    }
    EXPECT_EQ(run, expected);
    EXPECT_TRUE(written == (fs::exists(folder / "expect") ? ReadFilesUnder((folder / "expect").string()) : Files{}))
        << "the files written differ from expect/";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest,
                         ::testing::ValuesIn(std::vector(fs::directory_iterator(ZANDREL_TEST_DATA_DIR "/golden"), {})),
                         [](const auto& info) {
    std::string name = info.param.path().filename().string();
    std::replace_if(name.begin(), name.end(), [](unsigned char ch) { return !std::isalnum(ch); }, '_');
    return name;
});

// Every option the help lists under textures (but --format) is a usage error without --format, and every
// one under atlases (but --atlas) without --atlas.
TEST(TextureOptionsTest, EachNeedsFormatOrAtlas)
{
    const std::map<std::string, const char*> samples = {{"N", "2"},          {"F", "5650"},  {"NAME", "pal"},
                                                        {"RRGGBB", "ff00ff"}, {"WxH", "8x8"}, {"FILE", "a.json"}};
    const char* help[] = {"zandrel-cli", "--help"};
    std::FILE* pHelp = std::tmpfile();
    ASSERT_EQ(zandrel::RunCli(2, help, pHelp, pHelp), 0);
    std::istringstream lines(Slurp(pHelp));
    int nChecked = 0;
    bool bTextures = false, bAtlases = false;
    for (std::string line; std::getline(lines, line) && !line.starts_with("Example");) {
        bTextures |= line.starts_with("Textures for");
        bAtlases |= line.starts_with("Atlases");
        std::istringstream words(line);
        std::string option, value;
        if (!bTextures || !(words >> option >> value) || !option.starts_with("--") || option == "--format")
            continue;
        const auto sample = samples.find(value);
        std::vector<const char*> argv{"zandrel-cli", option.c_str()};
        if (sample != samples.end())
            argv.push_back(sample->second);
        argv.push_back("pic.bmp");
        std::FILE* pErr = std::tmpfile();
        EXPECT_EQ(zandrel::RunCli(int(argv.size()), argv.data(), stdout, pErr), zandrel::kExitUsage) << option;
        const std::string needed = bAtlases && option != "--atlas" ? " needs --atlas" : " needs --format";
        EXPECT_TRUE(Slurp(pErr).starts_with("zandrel-cli: " + option + needed)) << option;
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 18);
}

// The reason a file cannot be opened is the system's, in its words on each platform (ENOENT and
// ERROR_FILE_NOT_FOUND are both 2), so it is checked here rather than in a golden case.
TEST(CannotOpenTest, SaysTheSystemsReason)
{
    const char* argv[] = {"zandrel-cli", "zandrel_no_such_file.bmp"};
    std::FILE* pErr = std::tmpfile();
    EXPECT_EQ(zandrel::RunCli(2, argv, stdout, pErr), zandrel::kExitSomeFailed);
    EXPECT_EQ(Slurp(pErr), "zandrel-cli: zandrel_no_such_file.bmp: refused: cannot be opened: " +
                               zandrel::DescribeSystemError(2) + "\n");
}

}  // namespace

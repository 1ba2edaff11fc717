// Golden cases: each folder of tests/data/golden holds input files, a case.txt
// with the command line and the expected exit status, standard output and
// standard error, and expect/ with every file the run must leave behind,
// compared byte for byte. The tool runs in a fresh folder that holds only the
// inputs. ZANDREL_UPDATE_GOLDEN=1 rewrites case.txt and expect/ from the run.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "cli/cli.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::Bytes;

const fs::path kGolden = fs::path(ZANDREL_TEST_DATA_DIR) / "golden";

// Files under a folder by their path relative to it ('/' separated).
std::map<std::string, Bytes> FilesUnder(const fs::path& root)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).generic_string()] = *zandrel::test::ReadFileBytes(entry.path().string());
    }
    return files;
}

std::string Slurp(std::FILE* pFile)
{
    std::string text(static_cast<std::size_t>(std::ftell(pFile)), '\0');
    std::rewind(pFile);
    text.resize(std::fread(text.data(), 1, text.size(), pFile));
    std::fclose(pFile);
#ifdef _WIN32
    // Reported paths spell folders with the platform's separator.
    for (char& ch : text)
        ch = ch == '\\' ? '/' : ch;
#endif
    return text;
}

// case.txt: "args: ...", "exit: N", "stdout:", its lines, "stderr:", its lines.
std::string RunCase(const std::string& args, const std::string& folder)
{
    std::vector<std::string> words{"zandrel-cli"};
    std::istringstream in(args);
    for (std::string word; in >> word;)
        words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
    const int nExit = zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pOut, pErr);
    fs::current_path(previous);
    return "args: " + args + "\nexit: " + std::to_string(nExit) + "\nstdout:\n" + Slurp(pOut) + "stderr:\n" +
           Slurp(pErr);
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, WritesExactlyTheExpectedFiles)
{
    const fs::path folder = kGolden / GetParam();
    const Bytes caseBytes = *zandrel::test::ReadFileBytes((folder / "case.txt").string());
    const std::string expected(caseBytes.begin(), caseBytes.end());
    zandrel::test::TempDir work;
    std::map<std::string, Bytes> inputs;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "case.txt")
            fs::copy_file(entry.path(), work.File(name));
    }
    inputs = FilesUnder(work.Path());

    const std::string run = RunCase(expected.substr(6, expected.find('\n') - 6), work.Path());
    std::map<std::string, Bytes> written = FilesUnder(work.Path());
    for (const auto& [name, bytes] : inputs) {
        if (written[name] == bytes)
            written.erase(name);
    }
    if (std::getenv("ZANDREL_UPDATE_GOLDEN")) {
        fs::remove_all(folder / "expect");
        for (const auto& [name, bytes] : written) {
            fs::create_directories(folder / "expect");
            zandrel::test::WriteFileBytes((folder / "expect" / name).string(), bytes);
        }
        zandrel::test::WriteFileBytes((folder / "case.txt").string(), Bytes(run.begin(), run.end()));
        return;
    }
    EXPECT_EQ(run, expected);
    EXPECT_TRUE(written == (fs::exists(folder / "expect") ? FilesUnder(folder / "expect") : decltype(written){}))
        << "the files written differ from expect/";
}

std::vector<std::string> Cases()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGolden))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param;
    for (char& ch : name)
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
});

}  // namespace

// Golden cases: each folder of tests/data/golden holds input files, a case.txt
// with the command line and the expected exit status, standard output and
// standard error, and expect/ with every file the run must leave behind,
// compared byte for byte. The tool runs in a fresh folder that holds only the
// inputs. ZANDREL_UPDATE_GOLDEN=1 rewrites case.txt and expect/ from the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::Bytes;
using zandrel::test::ReadFileBytes;
using zandrel::test::WriteFileBytes;

const fs::path kGolden = fs::path(ZANDREL_TEST_DATA_DIR) / "golden";

struct Expected {
    std::string args;
    int nExit = 0;
    std::string out, err;
};

std::string ReadText(const fs::path& path)
{
    const auto bytes = ReadFileBytes(path.string());
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// case.txt: "args: ...", "exit: N", "stdout:", its lines, "stderr:", its lines.
Expected ParseCase(const std::string& text)
{
    Expected expected;
    std::istringstream in(text);
    std::string line;
    std::string* pSection = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("args: ", 0) == 0 && !pSection)
            expected.args = line.substr(6);
        else if (line.rfind("exit:", 0) == 0 && !pSection)
            expected.nExit = std::atoi(line.c_str() + 5);
        else if (line == "stdout:")
            pSection = &expected.out;
        else if (line == "stderr:")
            pSection = &expected.err;
        else if (pSection)
            *pSection += line + "\n";
    }
    return expected;
}

std::string FormatCase(const Expected& run)
{
    return "args: " + run.args + "\nexit: " + std::to_string(run.nExit) + "\nstdout:\n" + run.out + "stderr:\n" +
           run.err;
}

// Files under a folder by their path relative to it ('/' separated).
std::map<std::string, Bytes> FilesUnder(const fs::path& root)
{
    std::map<std::string, Bytes> files;
    if (!fs::exists(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).generic_string()] = *ReadFileBytes(entry.path().string());
    }
    return files;
}

std::string Slurp(std::FILE* pFile)
{
    std::string text;
    std::rewind(pFile);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
        text.append(buffer, n);
    std::fclose(pFile);
#ifdef _WIN32
    // Reported paths spell folders with the platform's separator.
    for (char& ch : text)
        ch = ch == '\\' ? '/' : ch;
#endif
    return text;
}

Expected RunIn(const std::string& folder, const std::string& args)
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
    Expected run;
    run.args = args;
    run.nExit = zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pOut, pErr);
    fs::current_path(previous);
    run.out = Slurp(pOut);
    run.err = Slurp(pErr);
    return run;
}

std::vector<std::string> Cases()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGolden)) {
        if (fs::exists(entry.path() / "case.txt"))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, WritesExactlyTheExpectedFiles)
{
    const fs::path folder = kGolden / GetParam();
    const Expected expected = ParseCase(ReadText(folder / "case.txt"));
    zandrel::test::TempDir work;
    std::map<std::string, Bytes> inputs;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "case.txt") {
            inputs[name] = *ReadFileBytes(entry.path().string());
            ASSERT_TRUE(WriteFileBytes(work.File(name), inputs[name]));
        }
    }

    const Expected run = RunIn(work.Path(), expected.args);
    std::map<std::string, Bytes> written = FilesUnder(work.Path());
    for (const auto& [name, bytes] : inputs) {
        if (written[name] == bytes)
            written.erase(name);
    }

    if (std::getenv("ZANDREL_UPDATE_GOLDEN")) {
        fs::remove_all(folder / "expect");
        for (const auto& [name, bytes] : written) {
            fs::create_directories((folder / "expect" / name).parent_path());
            WriteFileBytes((folder / "expect" / name).string(), bytes);
        }
        const std::string text = FormatCase(run);
        WriteFileBytes((folder / "case.txt").string(), Bytes(text.begin(), text.end()));
        return;
    }
    EXPECT_EQ(run.nExit, expected.nExit);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, expected.err);
    const std::map<std::string, Bytes> wanted = FilesUnder(folder / "expect");
    std::vector<std::string> writtenNames, wantedNames;
    for (const auto& [name, bytes] : written)
        writtenNames.push_back(name);
    for (const auto& [name, bytes] : wanted) {
        wantedNames.push_back(name);
        EXPECT_TRUE(written.count(name) && written[name] == bytes) << name << " differs from expect/" << name;
    }
    EXPECT_EQ(writtenNames, wantedNames);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

}  // namespace

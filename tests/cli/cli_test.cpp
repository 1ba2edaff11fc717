#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace {

using zandrel::test::Bgra;
using zandrel::test::MakeTrueColorBitmap;
using zandrel::test::ReadFileBytes;
using zandrel::test::TempDir;
using zandrel::test::WriteFileBytes;

struct CliRun {
    int nExit = -1;
    std::string out;
    std::string err;
};

std::string ReadStream(std::FILE* pFile)
{
    std::string text;
    std::rewind(pFile);
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
        text.append(buffer, n);
    std::fclose(pFile);
    return text;
}

CliRun RunCliWith(std::vector<std::string> args)
{
    args.insert(args.begin(), "zandrel-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
    CliRun run;
    run.nExit = zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pOut, pErr);
    run.out = ReadStream(pOut);
    run.err = ReadStream(pErr);
    return run;
}

// The path of an output as the tool reports it: on Windows it spells
// folders with the platform's backslash.
std::string Reported(std::string path)
{
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

Bgra Gradient(int x, int y)
{
    return {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60), 0x90, 0x7F};
}

class CliTest : public ::testing::Test {
protected:
    std::string WriteBitmap(const std::string& name, int nBitCount)
    {
        const std::string path = m_dir.File(name);
        EXPECT_TRUE(WriteFileBytes(path, MakeTrueColorBitmap(3, 2, nBitCount, Gradient)));
        return path;
    }
    bool Exists(const std::string& name) const { return ReadFileBytes(m_dir.File(name)).has_value(); }

    TempDir m_dir;
};

TEST_F(CliTest, UsageErrorsConvertNothing)
{
    const std::string pic = WriteBitmap("pic.bmp", 24);
    struct Case {
        std::vector<std::string> args;
    };
    for (const Case& c : {Case{{}}, Case{{"--bogus", pic}}, Case{{pic, "--binary", "-x"}}}) {
        const CliRun run = RunCliWith(c.args);
        EXPECT_EQ(run.nExit, zandrel::kExitUsage);
        EXPECT_NE(run.err.find("Usage: zandrel-cli"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(Exists("image_pic.c"));
}

TEST_F(CliTest, VersionAndHelpGoToStandardOutput)
{
    const CliRun version = RunCliWith({"--version"});
    EXPECT_EQ(version.nExit, 0);
    EXPECT_EQ(version.out, "Zandrel 1.2.2\n");
    const CliRun help = RunCliWith({"--help"});
    EXPECT_EQ(help.nExit, 0);
    EXPECT_NE(help.out.find("--big-endian"), std::string::npos);
}

TEST_F(CliTest, ConvertsEveryFileAndReportsEachOnItsOwnLine)
{
    const std::string a = WriteBitmap("a.bmp", 24);
    const std::string b = WriteBitmap("b.bmp", 32);
    const CliRun run = RunCliWith({a, b});
    EXPECT_EQ(run.nExit, zandrel::kExitAllConverted) << run.err;
    EXPECT_EQ(run.out, a + ": wrote " + Reported(m_dir.File("image_a.c")) + "\n" + b + ": wrote " +
                           Reported(m_dir.File("image_b.c")) + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(Exists("image_a.bin"));
}

TEST_F(CliTest, OptionsMirrorTheCheckBoxes)
{
    const std::string pic = WriteBitmap("pic.bmp", 24);
    const CliRun run = RunCliWith({"--binary", "--no-prefix", "--no-const", "--big-endian", pic});
    ASSERT_EQ(run.nExit, 0) << run.err;
    const auto text = ReadFileBytes(m_dir.File("pic.c"));
    ASSERT_TRUE(text.has_value());
    const std::string source(text->begin(), text->end());
    EXPECT_NE(source.find("\r\nunsigned short pic[]={\r\n"), std::string::npos) << source;
    const auto binary = ReadFileBytes(m_dir.File("pic.bin"));
    ASSERT_TRUE(binary.has_value());
    ASSERT_EQ(binary->size(), 12u);
    // Top-left pixel: blue 0, green 0, red 0x90 -> 0x0012, high byte first.
    EXPECT_EQ((*binary)[0], 0x00);
    EXPECT_EQ((*binary)[1], 0x12);
}

TEST_F(CliTest, RefusedFilesFailTheRunButNotTheOthers)
{
    const std::string good = WriteBitmap("good.bmp", 32);
    const std::string text = m_dir.File("notes.txt");
    ASSERT_TRUE(WriteFileBytes(text, {'h', 'i'}));
    const std::string missing = m_dir.File("missing.bmp");
    const CliRun run = RunCliWith({text, good, missing});
    EXPECT_EQ(run.nExit, zandrel::kExitSomeFailed);
    EXPECT_EQ(run.out, good + ": wrote " + Reported(m_dir.File("image_good.c")) + "\n");
    EXPECT_NE(run.err.find(text + ": refused: not a bitmap file"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(missing + ": refused: cannot be opened"), std::string::npos) << run.err;
    EXPECT_FALSE(Exists("image_notes.c"));
    EXPECT_FALSE(Exists("image_missing.c"));
}

TEST_F(CliTest, RefusalNamesAnUnsupportedDepth)
{
    zandrel::test::BitmapRecipe recipe;
    recipe.nWidth = 4;
    recipe.nHeight = 1;
    recipe.nBitCount = 16;
    recipe.pixels.assign(8, 0);
    const std::string path = m_dir.File("hi.bmp");
    ASSERT_TRUE(WriteFileBytes(path, zandrel::test::BuildBitmap(recipe)));
    const CliRun run = RunCliWith({path});
    EXPECT_EQ(run.nExit, zandrel::kExitSomeFailed);
    EXPECT_NE(run.err.find("refused: 16 bits per pixel"), std::string::npos) << run.err;
}

#ifndef _WIN32
// A folder, a device or a FIFO is no bitmap; the FIFO must not block the run.
TEST_F(CliTest, NonRegularFilesAreRefusedWithoutWaiting)
{
    const std::string fifo = m_dir.File("pipe.bmp");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const CliRun run = RunCliWith({m_dir.Path(), "/dev/zero", fifo});
    EXPECT_EQ(run.nExit, zandrel::kExitSomeFailed);
    EXPECT_NE(run.err.find(fifo + ": refused: cannot be opened"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("/dev/zero: refused: cannot be opened"), std::string::npos) << run.err;
    EXPECT_EQ(zandrel::test::FileNamesIn(m_dir.Path()), (std::set<std::string>{"pipe.bmp"}));
}

// The real executable, with the file size limit below what the text needs.
TEST_F(CliTest, WriteFailureIsReportedWithTheFileAndKeepsEarlierOutput)
{
    const std::string pic = m_dir.File("big.bmp");
    ASSERT_TRUE(WriteFileBytes(pic, MakeTrueColorBitmap(300, 300, 24, Gradient)));
    const std::string previous = "previous output\r\n";
    ASSERT_TRUE(WriteFileBytes(m_dir.File("image_big.c"), {previous.begin(), previous.end()}));

    const std::string command = "trap '' XFSZ; ulimit -f 64; exec '" + std::string(ZANDREL_CLI_PATH) + "' '" + pic +
                                "' >'" + m_dir.File("out.txt") + "' 2>'" + m_dir.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), zandrel::kExitSomeFailed);
    const auto err = ReadFileBytes(m_dir.File("err.txt"));
    ASSERT_TRUE(err.has_value());
    const std::string errText(err->begin(), err->end());
    EXPECT_NE(errText.find("could not write " + m_dir.File("image_big.c")), std::string::npos) << errText;
    const auto kept = ReadFileBytes(m_dir.File("image_big.c"));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(std::string(kept->begin(), kept->end()), previous);
    // Nothing else is left behind: no temporary file.
    EXPECT_EQ(zandrel::test::FileNamesIn(m_dir.Path()),
              (std::set<std::string>{"big.bmp", "image_big.c", "out.txt", "err.txt"}));
}
#endif

}  // namespace

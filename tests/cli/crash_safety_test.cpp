// The real zandrel-cli killed, starved and refused: earlier outputs survive
// a SIGKILL in the middle of a write and every write failure, no temporary
// file outlives a failure the program saw, a leftover of a killed run does
// not disturb the next one, and a header that claims a huge image in a tiny
// file is refused without the memory it claims.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::test::BitmapRecipe;
using zandrel::test::Bgra;
using zandrel::test::Bytes;
using zandrel::test::MakeTrueColorBitmap;
using zandrel::test::ReadFileBytes;
using zandrel::test::TempDir;
using zandrel::test::WriteFileBytes;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;  // reserves terabytes of address space: no RLIMIT_AS
#else
constexpr bool kAddressSanitizer = false;
#endif

Bgra Noise(int x, int y)
{
    const auto n = static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u);
    return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 24)};
}

Bytes Text(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string ReadText(const std::string& path)
{
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

// Names in a folder that begin with prefix.
std::vector<std::string> NamesStartingWith(const std::string& folder, const std::string& prefix)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0)
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> TemporaryFiles(const std::string& folder, const std::string& stem)
{
    std::vector<std::string> names = NamesStartingWith(folder, stem + ".c.");
    for (const std::string& name : NamesStartingWith(folder, stem + ".bin."))
        names.push_back(name);
    return names;
}

// Starts zandrel-cli with args; its output goes to out.txt and err.txt in
// folder. limit runs in the child before exec.
pid_t StartCli(const std::string& folder, const std::vector<std::string>& args,
               const std::function<void()>& limit = {})
{
    std::vector<std::string> all = {ZANDREL_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    const std::string out = folder + "/out.txt";
    const std::string err = folder + "/err.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr))
            _exit(126);
        if (limit)
            limit();
        std::vector<char*> argv;
        for (std::string& arg : all)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// The exit code of a child that ended normally, -1 otherwise.
int WaitForExit(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int RunCli(const std::string& folder, const std::vector<std::string>& args, const std::function<void()>& limit = {})
{
    return WaitForExit(StartCli(folder, args, limit));
}

// Waits until a file whose name begins with prefix appears in folder (the
// writer's temporary file) and kills the child at once. False when the child
// ended first or nothing appeared within a minute.
bool KillWhenFileAppears(pid_t pid, const std::string& folder, const std::string& prefix)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!NamesStartingWith(folder, prefix).empty()) {
            kill(pid, SIGKILL);
            int status = 0;
            return waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return false;
        usleep(100);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return false;
}

// A 4096 x 2048 32-bit image takes ~100 MB of text: long enough to be caught
// half way. Its complete outputs are made once, by an undisturbed run.
class KillTest : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite()
    {
        s_pReference = new TempDir;
        ASSERT_TRUE(WriteFileBytes(s_pReference->File("big.bmp"), MakeTrueColorBitmap(4096, 2048, 32, Noise)));
        ASSERT_EQ(RunCli(s_pReference->Path(), {"--binary", s_pReference->File("big.bmp")}), 0);
    }
    static void TearDownTestSuite()
    {
        delete s_pReference;
        s_pReference = nullptr;
    }

    void SetUp() override
    {
        std::filesystem::copy_file(s_pReference->File("big.bmp"), m_dir.File("big.bmp"));
        ASSERT_TRUE(WriteFileBytes(m_dir.File("image_big.c"), Text("previous source\r\n")));
        ASSERT_TRUE(WriteFileBytes(m_dir.File("image_big.bin"), Text("previous binary")));
    }

    static bool SameAsReference(const std::string& path, const char* pszName)
    {
        return ReadFileBytes(path) == ReadFileBytes(s_pReference->File(pszName));
    }

    static TempDir* s_pReference;
    TempDir m_dir;
};

TempDir* KillTest::s_pReference = nullptr;

TEST_P(KillTest, EarlierOutputsSurviveAndTheNextRunIsUndisturbed)
{
    const std::string tempPrefix = GetParam();
    const pid_t pid = StartCli(m_dir.Path(), {"--binary", m_dir.File("big.bmp")});
    ASSERT_TRUE(KillWhenFileAppears(pid, m_dir.Path(), tempPrefix)) << "no temporary file " << tempPrefix << "*";

    // Killed half way: the file being written is the one from before, and so
    // is every file after it; the files before it are complete.
    EXPECT_EQ(ReadText(m_dir.File("image_big.bin")), "previous binary");
    if (tempPrefix == "image_big.c.")
        EXPECT_EQ(ReadText(m_dir.File("image_big.c")), "previous source\r\n");
    else
        EXPECT_TRUE(SameAsReference(m_dir.File("image_big.c"), "image_big.c"));
    const std::vector<std::string> leftovers = NamesStartingWith(m_dir.Path(), tempPrefix);
    ASSERT_EQ(leftovers.size(), 1u);

    // The next run writes complete outputs beside the leftover, which it
    // neither takes over nor trips on.
    ASSERT_EQ(RunCli(m_dir.Path(), {"--binary", m_dir.File("big.bmp")}), 0) << ReadText(m_dir.File("err.txt"));
    EXPECT_TRUE(SameAsReference(m_dir.File("image_big.c"), "image_big.c"));
    EXPECT_TRUE(SameAsReference(m_dir.File("image_big.bin"), "image_big.bin"));
    EXPECT_EQ(TemporaryFiles(m_dir.Path(), "image_big"), leftovers);
}

INSTANTIATE_TEST_SUITE_P(WhileWriting, KillTest, ::testing::Values("image_big.c.", "image_big.bin."),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "image_big.c." ? "Source" : "Binary";
                         });

// A 300 x 300 32-bit image: about 1 MB of text and 270 KB of binary.
struct WriteFailureCase {
    const char* name;
    std::function<void(const TempDir&)> prepare;  // before the run
    rlim_t nFileSizeLimit;                        // RLIM_INFINITY for none
    bool bSourceKept;
    bool bBinaryKept;
};

std::vector<WriteFailureCase> WriteFailureCases()
{
    const auto none = [](const TempDir&) {};
    const auto folder = [](const char* pszName) {
        return [pszName](const TempDir& dir) { std::filesystem::create_directory(dir.File(pszName)); };
    };
    return {
        {"SizeLimitBelowBoth", none, 64 * 1024, true, true},
        {"SizeLimitBelowSourceOnly", none, 512 * 1024, true, false},
        {"SourceNameTakenByFolder", folder("image_pic.c"), RLIM_INFINITY, true, false},
        {"BinaryNameTakenByFolder", folder("image_pic.bin"), RLIM_INFINITY, false, true},
    };
}

void PrintTo(const WriteFailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class WriteFailureTest : public ::testing::TestWithParam<WriteFailureCase> {
protected:
    TempDir m_dir;
};

TEST_P(WriteFailureTest, KeepsEarlierOutputReportsItAndLeavesNoTemporaryFile)
{
    const WriteFailureCase& c = GetParam();
    ASSERT_TRUE(WriteFileBytes(m_dir.File("pic.bmp"), MakeTrueColorBitmap(300, 300, 32, Noise)));
    c.prepare(m_dir);
    const auto writePrevious = [&](const char* pszName, const char* pszText) {
        if (!std::filesystem::is_directory(m_dir.File(pszName))) {
            ASSERT_TRUE(WriteFileBytes(m_dir.File(pszName), Text(pszText)));
        }
    };
    writePrevious("image_pic.c", "previous source\r\n");
    writePrevious("image_pic.bin", "previous binary");

    const rlim_t nLimit = c.nFileSizeLimit;
    const int nExit = RunCli(m_dir.Path(), {"--binary", m_dir.File("pic.bmp")}, [nLimit] {
        if (nLimit == RLIM_INFINITY)
            return;
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        const rlimit limit{nLimit, nLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(nExit, zandrel::kExitSomeFailed);

    const std::string err = ReadText(m_dir.File("err.txt"));
    for (const auto& [pszName, pszPrevious, bKept] :
         {std::tuple{"image_pic.c", "previous source\r\n", c.bSourceKept},
          std::tuple{"image_pic.bin", "previous binary", c.bBinaryKept}}) {
        const std::string path = m_dir.File(pszName);
        const bool bReported = err.find("could not write " + path + ":") != std::string::npos;
        EXPECT_EQ(bReported, bKept) << pszName << ": " << err;
        if (std::filesystem::is_directory(path))
            EXPECT_TRUE(std::filesystem::is_empty(path)) << pszName;
        else if (bKept)
            EXPECT_EQ(ReadText(path), pszPrevious) << pszName;
        else
            EXPECT_NE(ReadText(path), pszPrevious) << pszName;
    }
    EXPECT_TRUE(TemporaryFiles(m_dir.Path(), "image_pic").empty());
}

INSTANTIATE_TEST_SUITE_P(Failures, WriteFailureTest, ::testing::ValuesIn(WriteFailureCases()),
                         [](const ::testing::TestParamInfo<WriteFailureCase>& info) {
                             return std::string(info.param.name);
                         });

// Files of a few hundred bytes whose headers claim gigabytes.
struct HugeClaimCase {
    const char* name;
    std::function<void(BitmapRecipe&)> claim;
};

std::vector<HugeClaimCase> HugeClaimCases()
{
    return {
        {"TrueColor24Truncated", [](BitmapRecipe& s) { s.nWidth = 40000; s.nHeight = 40000; }},
        {"TrueColor32BeyondArrays", [](BitmapRecipe& s) { s.nBitCount = 32; s.nWidth = 65535; s.nHeight = -65535; }},
        {"Os2CoreMaximum", [](BitmapRecipe& s) { s.nInfoSize = 12; s.nWidth = 65535; s.nHeight = 65535; }},
        {"IndexedPlainTruncated",
         [](BitmapRecipe& s) {
             s.nBitCount = 8;
             s.nClrUsed = 2;
             s.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
             s.nWidth = 40000;
             s.nHeight = 40000;
         }},
        {"IndexedRle8EndOnly",
         [](BitmapRecipe& s) {
             s.nBitCount = 8;
             s.nCompression = 1;
             s.nClrUsed = 2;
             s.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
             s.nWidth = 40000;
             s.nHeight = 40000;
             s.pixels = {0x00, 0x01};
         }},
    };
}

void PrintTo(const HugeClaimCase& c, std::ostream* os)
{
    *os << c.name;
}

class HugeClaimTest : public ::testing::TestWithParam<HugeClaimCase> {
protected:
    TempDir m_dir;
};

TEST_P(HugeClaimTest, IsRefusedWithinAFewMegabytesOfAddressSpace)
{
    BitmapRecipe recipe;
    recipe.pixels.assign(300, 0x5A);
    GetParam().claim(recipe);
    ASSERT_TRUE(WriteFileBytes(m_dir.File("huge.bmp"), zandrel::test::BuildBitmap(recipe)));

    // 64 MiB of address space: far less than any of the claimed images.
    const int nExit = RunCli(m_dir.Path(), {"--binary", m_dir.File("huge.bmp")}, [] {
        if (kAddressSanitizer)
            return;
        const rlimit limit{64u << 20, 64u << 20};
        setrlimit(RLIMIT_AS, &limit);
    });
    EXPECT_EQ(nExit, zandrel::kExitSomeFailed);
    const std::string err = ReadText(m_dir.File("err.txt"));
    EXPECT_NE(err.find("refused:"), std::string::npos) << err;
    EXPECT_EQ(err.find("memory"), std::string::npos) << err;
    EXPECT_TRUE(NamesStartingWith(m_dir.Path(), "image_").empty());
}

INSTANTIATE_TEST_SUITE_P(Claims, HugeClaimTest, ::testing::ValuesIn(HugeClaimCases()),
                         [](const ::testing::TestParamInfo<HugeClaimCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace

#endif  // _WIN32

// The real zandrel-cli killed, starved and refused: earlier outputs survive
// a SIGKILL in the middle of a write and every write failure, no temporary
// file outlives a failure the program saw, a leftover of a killed run does
// not disturb the next one, headers that claim a huge image in a tiny file
// are refused without the memory they claim, and usage errors convert nothing.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::TempDir;

std::string Read(const std::string& path)
{
    const auto bytes = zandrel::test::ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

int CountStartingWith(const std::string& folder, const std::string& prefix)
{
    int nCount = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        nCount += entry.path().filename().string().starts_with(prefix);
    return nCount;
}

// Starts zandrel-cli in folder, its output to out.txt and err.txt there;
// limit runs in the child before exec. A run of a minute is killed.
pid_t StartCli(const std::string& folder, std::vector<std::string> args, const std::function<void()>& limit = {})
{
    args.insert(args.begin(), ZANDREL_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) == 0 && std::freopen("out.txt", "w", stdout) && std::freopen("err.txt", "w", stderr)) {
            alarm(60);
            if (limit)
                limit();
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    return pid;
}

// The exit status of a child that ended normally, -1 otherwise.
int RunCli(const std::string& folder, const std::vector<std::string>& args, const std::function<void()>& limit = {})
{
    int status = 0;
    const pid_t pid = StartCli(folder, args, limit);
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A picture of w x h 32-bit noise and earlier outputs "previous" beside it.
void Prepare(const TempDir& dir, int nWidth, int nHeight)
{
    const auto noise = [](int x, int y) {
        const std::uint32_t n = x * 2654435761u ^ y * 40503u;
        return zandrel::test::Bgra{std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
    };
    ASSERT_TRUE(zandrel::test::WriteFileBytes(dir.File("pic.bmp"),
                                              zandrel::test::MakeTrueColorBitmap(nWidth, nHeight, 32, noise)));
    for (const char* pszName : {"image_pic.c", "image_pic.bin"})
        zandrel::test::WriteFileBytes(dir.File(pszName), {'o', 'l', 'd'});
}

// 4096 x 2048 pixels take ~100 MB of text: long enough to be caught half way.
TEST(CrashSafety, KilledWhileWritingKeepsEarlierOutputsAndTheNextRunIsUndisturbed)
{
    TempDir reference;
    Prepare(reference, 4096, 2048);
    ASSERT_EQ(RunCli(reference.Path(), {"--binary", "pic.bmp"}), 0);
    for (const std::string temp : {"image_pic.c.", "image_pic.bin."}) {
        TempDir dir;
        Prepare(dir, 4096, 2048);
        const pid_t pid = StartCli(dir.Path(), {"--binary", "pic.bmp"});
        int status = 0;
        while (!CountStartingWith(dir.Path(), temp) && waitpid(pid, &status, WNOHANG) == 0)
            usleep(100);
        kill(pid, SIGKILL);
        ASSERT_TRUE(waitpid(pid, &status, 0) == pid && WIFSIGNALED(status)) << "not killed while writing " << temp;
        // The file being written and every later one are as before; earlier ones are complete.
        EXPECT_EQ(Read(dir.File("image_pic.bin")), "old");
        EXPECT_EQ(Read(dir.File("image_pic.c")), temp == "image_pic.c." ? "old" : Read(reference.File("image_pic.c")));
        // The next run writes complete outputs beside the one leftover.
        ASSERT_EQ(RunCli(dir.Path(), {"--binary", "pic.bmp"}), 0) << Read(dir.File("err.txt"));
        for (const char* pszName : {"image_pic.c", "image_pic.bin"})
            EXPECT_TRUE(Read(dir.File(pszName)) == Read(reference.File(pszName))) << pszName;
        EXPECT_EQ(CountStartingWith(dir.Path(), temp), 1);
        EXPECT_EQ(CountStartingWith(dir.Path(), "image_pic."), 3);
    }
}

// 300 x 300 pixels: about 1 MB of text and 270 KB of binary.
TEST(CrashSafety, WriteFailuresKeepEarlierOutputReportItAndLeaveNoTemporaryFile)
{
    const struct {
        rlim_t nFileSizeLimit;
        const char* pszFolderInTheWay;
        bool bSourceKept, bBinaryKept;
    } cases[] = {{64 << 10, "", true, true}, {512 << 10, "", true, false},
                 {RLIM_INFINITY, "image_pic.c", true, false}, {RLIM_INFINITY, "image_pic.bin", false, true}};
    for (const auto& c : cases) {
        TempDir dir;
        Prepare(dir, 300, 300);
        if (*c.pszFolderInTheWay && fs::remove(dir.File(c.pszFolderInTheWay)))
            fs::create_directory(dir.File(c.pszFolderInTheWay));
        const rlim_t nLimit = c.nFileSizeLimit;
        EXPECT_EQ(RunCli(dir.Path(), {"--binary", "pic.bmp"}, [nLimit] {
                      signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
                      const rlimit limit{nLimit, nLimit};
                      setrlimit(RLIMIT_FSIZE, &limit);
                  }),
                  1);
        const std::string err = Read(dir.File("err.txt"));
        for (const auto& [pszName, bKept] : {std::pair{"image_pic.c", c.bSourceKept}, {"image_pic.bin", c.bBinaryKept}}) {
            EXPECT_EQ(err.find("could not write " + std::string(pszName) + ":") != std::string::npos, bKept) << err;
            const std::string path = dir.File(pszName);
            EXPECT_EQ(fs::is_directory(path) ? fs::is_empty(path) : Read(path) == "old", bKept) << pszName;
        }
        EXPECT_EQ(CountStartingWith(dir.Path(), "image_pic."), 2);
    }
}

// The refused golden inputs (headers that claim gigabytes among them) under
// 64 MiB of address space, a FIFO and a device; usage errors.
TEST(CrashSafety, RefusalsAndUsageErrorsTakeNeitherMemoryNorTimeAndWriteNothing)
{
    TempDir dir;
    fs::copy(fs::path(ZANDREL_TEST_DATA_DIR) / "golden" / "refusals", dir.Path());
    std::vector<std::string> args{"pipe.bmp", "/dev/zero"};
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        args.push_back(entry.path().filename().string());
    ASSERT_EQ(mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
    EXPECT_EQ(RunCli(dir.Path(), args, [] {
#if !defined(__SANITIZE_ADDRESS__)  // which reserves terabytes of address space
                  const rlimit limit{64u << 20, 64u << 20};
                  setrlimit(RLIMIT_AS, &limit);
#endif
              }),
              1);
    const std::string err = Read(dir.File("err.txt"));
    EXPECT_EQ(err.find("memory"), std::string::npos) << err;
    EXPECT_EQ(err.find("pipe.bmp: refused: cannot be opened\nzandrel-cli: /dev/zero: refused: cannot be opened"), 13u);
    args.back() = "--bogus";
    EXPECT_EQ(RunCli(dir.Path(), args), 2);
    EXPECT_EQ(RunCli(dir.Path(), {}), 2);
    EXPECT_EQ(Read(dir.File("out.txt")) + Read(dir.File("err.txt")).substr(0, 26), "zandrel-cli: no input file");
    EXPECT_EQ(CountStartingWith(dir.Path(), "image_"), 0);
}

}  // namespace

#endif  // _WIN32

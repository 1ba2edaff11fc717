// The real zandrel-cli killed, starved and refused: earlier outputs survive, no temporary file is left.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "support/bitmap_builder.h"
#include "support/refusal_bitmaps.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zandrel::test::TempDir;

std::string Read(const std::string& path)
{
    const auto bytes = fs::is_directory(path) ? std::nullopt : zandrel::test::ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

long Count(const TempDir& dir, const std::string& prefix)
{
    return std::count_if(fs::directory_iterator(dir.Path()), {},
                         [&](const auto& entry) { return entry.path().filename().string().starts_with(prefix); });
}

pid_t Start(const TempDir& dir, std::vector<std::string> args, const std::function<void()>& limit = [] {})
{
    args.insert(args.begin(), ZANDREL_CLI_PATH);
    std::vector<char*> argv(args.size() + 1);
    std::transform(args.begin(), args.end(), argv.begin(), [](std::string& arg) { return arg.data(); });
    const pid_t pid = fork();
    if (pid == 0 && chdir(dir.Path().c_str()) == 0 && std::freopen("out.txt", "w", stdout) &&
        std::freopen("err.txt", "w", stderr) && alarm(60) == 0) {
        limit();
        execv(argv[0], argv.data());
    }
    return pid == 0 ? (_exit(127), 0) : pid;
}

int Wait(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Prepare(const TempDir& dir, int nWidth, int nHeight)
{
    const auto pixel = [](int x, int y) { return zandrel::test::Bgra{std::uint8_t(x), std::uint8_t(y), 7, 0x80}; };
    zandrel::test::WriteFileBytes(dir.File("pic.bmp"), zandrel::test::MakeTrueColorBitmap(nWidth, nHeight, 32, pixel));
    for (const char* pszName : {"image_pic.c", "image_pic.bin"})
        zandrel::test::WriteFileBytes(dir.File(pszName), {'o', 'l', 'd'});
}

// ~50 MB of text, caught half way: the file being written and later ones stay as before, an earlier one is
// complete (as the next run writes it), and the next run is undisturbed by the leftover.
TEST(CrashSafety, KilledWhileWritingKeepsEarlierOutputsAndTheNextRunIsUndisturbed)
{
    for (const std::string temp : {"image_pic.c.", "image_pic.bin."}) {
        TempDir dir;
        int status = 0;
        for (int nTry = 0; nTry < 3 && !WIFSIGNALED(status); ++nTry) {  // a loaded machine may miss one
            Prepare(dir, 4096, 1024);
            pollfd watch{inotify_init1(IN_CLOEXEC | IN_NONBLOCK), POLLIN, 0};  // wakes on every file created
            inotify_add_watch(watch.fd, dir.Path().c_str(), IN_CREATE);
            const pid_t pid = Start(dir, {"--binary", "pic.bmp"}, [] { setpriority(PRIO_PROCESS, 0, 19); });
            char events[4096];
            while (!Count(dir, temp) && waitpid(pid, &status, WNOHANG) == 0 && poll(&watch, 1, 10) >= 0 &&
                   read(watch.fd, events, sizeof events) != 0)
                continue;
            kill(pid, SIGKILL);
            close(watch.fd);
            waitpid(pid, &status, 0);
        }
        ASSERT_TRUE(WIFSIGNALED(status)) << "not killed while writing " << temp;
        const std::string source = Read(dir.File("image_pic.c"));
        EXPECT_EQ(Read(dir.File("image_pic.bin")), "old");
        EXPECT_EQ(source == "old", temp == "image_pic.c.");
        ASSERT_EQ(Wait(Start(dir, {"--binary", "pic.bmp"})), 0) << Read(dir.File("err.txt"));
        EXPECT_EQ(Read(dir.File("image_pic.c")) == source, temp == "image_pic.bin.");
        EXPECT_EQ(fs::file_size(dir.File("image_pic.bin")), 3u * 4096 * 1024);
        EXPECT_EQ(Count(dir, temp), 1) << "the killed run's temporary file";
        EXPECT_EQ(Count(dir, "image_pic."), 3);
    }
}

// About 1 MB of text and 270 KB of binary under a file size limit, or a folder in the way.
TEST(CrashSafety, WriteFailuresKeepEarlierOutputReportItAndLeaveNoTemporaryFile)
{
    const struct { rlim_t nLimit; const char* pszFolder; bool bSourceKept, bBinaryKept; } cases[] = {
        {64 << 10, "", true, true}, {512 << 10, "", true, false},
        {RLIM_INFINITY, "image_pic.c", true, false}, {RLIM_INFINITY, "image_pic.bin", false, true}};
    for (const auto& c : cases) {
        TempDir dir;
        Prepare(dir, 300, 300);
        if (*c.pszFolder && fs::remove(dir.File(c.pszFolder)))
            fs::create_directory(dir.File(c.pszFolder));
        const rlimit limit{c.nLimit, c.nLimit};  // past it a write fails with EFBIG, SIGXFSZ ignored
        const auto limitFileSize = [&] { signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &limit); };
        EXPECT_EQ(Wait(Start(dir, {"--binary", "pic.bmp"}, limitFileSize)), 1);
        const std::string err = Read(dir.File("err.txt"));
        for (const auto& [pszName, bKept] : {std::pair{"image_pic.c", c.bSourceKept}, {"image_pic.bin", c.bBinaryKept}}) {
            EXPECT_EQ(err.find("could not write " + std::string(pszName) + ":") != std::string::npos, bKept) << err;
            EXPECT_EQ(Read(dir.File("out.txt")).find(pszName) == std::string::npos, bKept) << "reported as written";
            EXPECT_EQ(Read(dir.File(pszName)) == (*c.pszFolder ? "<none>" : "old"), bKept) << pszName;
        }
        EXPECT_EQ(Count(dir, "image_pic."), 2);
    }
}

// Headers that claim gigabytes under 64 MiB of address space (which
// AddressSanitizer alone needs many times over), a FIFO, a device, usage errors.
TEST(CrashSafety, RefusalsAndUsageErrorsTakeNeitherMemoryNorTimeAndWriteNothing)
{
    TempDir dir;
    std::vector<std::string> args{"pipe.bmp", "/dev/zero"};
    for (const auto& [name, bytes] : zandrel::test::RefusalBitmaps()) {
        zandrel::test::WriteFileBytes(dir.File(name), bytes);
        args.push_back(name);
    }
    ASSERT_EQ(mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
#ifdef __SANITIZE_ADDRESS__
    const rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
#else
    const rlimit limit{64u << 20, 64u << 20};
#endif
    EXPECT_EQ(Wait(Start(dir, args, [&] { setrlimit(RLIMIT_AS, &limit); })), 1);
    const std::string err = Read(dir.File("err.txt"));
    EXPECT_EQ(err.find("memory"), std::string::npos) << err;
    EXPECT_EQ(err.find("pipe.bmp: refused: cannot be opened\nzandrel-cli: /dev/zero: refused: cannot be opened"), 13u);
    args.back() = "--bogus";
    EXPECT_EQ(Wait(Start(dir, args)), 2);
    EXPECT_EQ(Wait(Start(dir, {})), 2);
    EXPECT_EQ(Read(dir.File("out.txt")), "");
    EXPECT_TRUE(Read(dir.File("err.txt")).starts_with("zandrel-cli: no input file"));
    EXPECT_EQ(Count(dir, "image_"), 0);
}

}  // namespace

#endif  // _WIN32

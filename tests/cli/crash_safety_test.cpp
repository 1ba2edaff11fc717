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

#include <chrono>
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

void Prepare(const TempDir& dir, int nWidth, int nHeight, std::uint8_t nBlue = 7)
{
    const auto pixel = [&](int x, int y) { return zandrel::test::Bgra{std::uint8_t(x), std::uint8_t(y), nBlue, 0x80}; };
    zandrel::test::WriteFileBytes(dir.File("pic.bmp"), zandrel::test::MakeTrueColorBitmap(nWidth, nHeight, 32, pixel));
}

const char* const kSet[] = {"image_pic.c", "image_pic.bin", "image_pic.h"};

// Every file of the folder that is neither an output, the input nor the captured streams: temporaries.
std::vector<std::string> Leftovers(const TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (name != "pic.bmp" && name != "out.txt" && name != "err.txt" &&
            std::find(std::begin(kSet), std::end(kSet), name) == std::end(kSet))
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> ReadSet(const TempDir& dir)
{
    std::vector<std::string> contents;
    for (const char* pszName : kSet)
        contents.push_back(Read(dir.File(pszName)));
    return contents;
}

// ~50 MB of text killed at moments from the start to the end: each output is the earlier set's or the
// complete new one, no temporary stays (a named one of the killed run only in the instant between link
// and rename), and the next run removes that and writes the set.
TEST(CrashSafety, KilledWhileWritingLeavesWholeFilesAndNoTemporary)
{
    TempDir dir;
    Prepare(dir, 2048, 1024);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Start(dir, {"--binary", "--header", "pic.bmp"})), 0) << Read(dir.File("err.txt"));
    // The kills come at fractions of a whole run as this machine gives it, idle or loaded.
    const auto nRunUs = (std::chrono::steady_clock::now() - start) / std::chrono::microseconds(1);
    const std::vector<std::string> first = ReadSet(dir);
    Prepare(dir, 2048, 1024, 9);
    int nKilled = 0;
    for (const int nTenths : {1, 5, 9}) {
        const auto nDelayMs = nRunUs * nTenths / 10000;
        const pid_t pid = Start(dir, {"--binary", "--header", "pic.bmp"}, [] { setpriority(PRIO_PROCESS, 0, 19); });
        usleep(static_cast<useconds_t>(nRunUs * nTenths / 10));
        kill(pid, SIGKILL);
        nKilled += Wait(pid) < 0;  // not exited: killed
        const std::vector<std::string> killed = ReadSet(dir);
        for (const std::string& name : Leftovers(dir))
            EXPECT_TRUE(name.find(".zandrel-" + std::to_string(pid) + "-") != std::string::npos) << name;
        ASSERT_EQ(Wait(Start(dir, {"--binary", "--header", "pic.bmp"})), 0) << Read(dir.File("err.txt"));
        const std::vector<std::string> second = ReadSet(dir);
        for (std::size_t i = 0; i < second.size(); ++i)
            EXPECT_TRUE(killed[i] == first[i] || killed[i] == second[i]) << kSet[i] << " after " << nDelayMs << " ms";
        EXPECT_EQ(Leftovers(dir), std::vector<std::string>{});
    }
    EXPECT_GT(nKilled, 0) << "every run ended before its kill";
}

// Named temporaries of a process that is gone are removed by the next run that writes that output; those
// of a running process, of another output, or not quite of the pattern are kept.
TEST(CrashSafety, StaleTemporariesOfGoneProcessesAreRemoved)
{
    TempDir dir;
    Prepare(dir, 8, 8);
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), live = std::to_string(getpid());
    const std::pair<std::string, bool> temps[] = {
        {".image_pic.c.zandrel-" + dead + "-0.tmp", false}, {".image_pic.bin.zandrel-" + dead + "-3.tmp", false},
        {".image_pic.c.zandrel-" + live + "-0.tmp", true},  {".image_pic.cc.zandrel-" + dead + "-0.tmp", true},
        {".image_pic.c.zandrel-" + dead + "-0.tmpx", true}, {".image_pic.c.zandrel-" + dead + ".tmp", true}};
    for (const auto& [name, bKept] : temps)
        zandrel::test::WriteFileBytes(dir.File(name), {'t'});
    ASSERT_EQ(Wait(Start(dir, {"--binary", "pic.bmp"})), 0) << Read(dir.File("err.txt"));
    for (const auto& [name, bKept] : temps)
        EXPECT_EQ(fs::exists(dir.File(name)), bKept) << name;
}

// A complete set, then a run of another image that fails on one file under a file size limit (about 1 MB
// of text, 270 KB of binary) or for a folder in the way: the earlier set stays whole, nothing is reported
// as written, no temporary is left.
TEST(CrashSafety, WriteFailuresKeepTheEarlierSetWholeAndLeaveNoTemporary)
{
    const struct { rlim_t nLimit; const char* pszFolder; const char* pszFailing; } cases[] = {
        {64 << 10, "", "image_pic.c"}, {512 << 10, "", "image_pic.c"},
        {RLIM_INFINITY, "image_pic.c", "image_pic.c"}, {RLIM_INFINITY, "image_pic.bin", "image_pic.bin"},
        {RLIM_INFINITY, "image_pic.h", "image_pic.h"}};
    for (const auto& c : cases) {
        TempDir dir;
        Prepare(dir, 300, 300);
        ASSERT_EQ(Wait(Start(dir, {"--binary", "--header", "pic.bmp"})), 0);
        if (*c.pszFolder && fs::remove(dir.File(c.pszFolder)))
            fs::create_directory(dir.File(c.pszFolder));
        const std::vector<std::string> first = ReadSet(dir);
        Prepare(dir, 300, 300, 9);
        const rlimit limit{c.nLimit, c.nLimit};  // past it a write fails with EFBIG, SIGXFSZ ignored
        const auto limitFileSize = [&] { signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &limit); };
        EXPECT_EQ(Wait(Start(dir, {"--binary", "--header", "pic.bmp"}, limitFileSize)), 1);
        const std::string err = Read(dir.File("err.txt"));
        EXPECT_NE(err.find("could not write " + std::string(c.pszFailing) + ":"), std::string::npos) << err;
        EXPECT_EQ(Read(dir.File("out.txt")), "") << "reported as written";
        EXPECT_TRUE(ReadSet(dir) == first) << c.pszFailing;
        EXPECT_EQ(Leftovers(dir), std::vector<std::string>{});
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
    EXPECT_EQ(std::count_if(fs::directory_iterator(dir.Path()), {},
                            [](const auto& entry) { return entry.path().filename().string().starts_with("image_"); }),
              0);
}

}  // namespace

#endif  // _WIN32

#include "convert/output_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "support/bitmap_builder.h"
#include "support/temp_dir.h"
#include "support/worked_example.h"

namespace {

using zandrel::ByteSink;
using zandrel::Color16;
using zandrel::OutputRequest;
using zandrel::WriteOutcome;
using zandrel::test::Bytes;
using zandrel::test::ReadFileBytes;
using zandrel::test::TempDir;
using zandrel::test::WriteFileBytes;

class MemorySink final : public ByteSink {
public:
    bool Write(const void* pData, std::size_t nCount) override
    {
        text.append(static_cast<const char*>(pData), nCount);
        return true;
    }
    std::string text;
};

using zandrel::test::ReadFileText;
using zandrel::test::FileNamesIn;

// The text as the printf templates give it, with LF turned into CR LF the way
// a text-mode stream stores it: an oracle written independently of the writer.
std::string Crlf(const std::string& lf)
{
    std::string out;
    for (char ch : lf) {
        if (ch == '\n')
            out += '\r';
        out += ch;
    }
    return out;
}

std::string Fmt(const char* pszFormat, unsigned nValue)
{
    char sz[64];
    std::snprintf(sz, sizeof sz, pszFormat, nValue);
    return sz;
}

std::string Rows(const char* pszElement, const std::vector<unsigned>& values, int nWidth, int nHeight)
{
    std::string s;
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x)
            s += Fmt(pszElement, values[static_cast<std::size_t>(y * nWidth + x)]);
        s += "\n";
    }
    return s;
}

std::string ReferenceTrueColor(const std::string& name, bool bConst, const std::vector<Color16>& words,
                               const std::vector<std::uint8_t>* pAlpha, int nWidth, int nHeight)
{
    const std::string prefix = bConst ? "const " : "";
    std::string s = "// bitmap image for PSP\n// width = " + std::to_string(nWidth) +
                    ", height = " + std::to_string(nHeight) + "\n";
    s += prefix + "unsigned short " + name + "[]={\n";
    s += Rows("0x%04X,", std::vector<unsigned>(words.begin(), words.end()), nWidth, nHeight);
    if (!pAlpha)
        return Crlf(s + "};\n");
    s += "};\n\n\n" + prefix + "unsigned char " + name + "_alpha[]={\n";
    s += Rows("0x%02X,", std::vector<unsigned>(pAlpha->begin(), pAlpha->end()), nWidth, nHeight);
    return Crlf(s + "};\n");
}

std::string ReferenceIndexed(const std::string& name, bool bConst, const std::vector<Color16>& palette,
                             const std::vector<std::uint8_t>& indices, int nWidth, int nHeight)
{
    const std::string prefix = bConst ? "const " : "";
    std::string s = "// bitmap image for PSP\n// Indexed Palette: colors = " + std::to_string(palette.size()) + "\n";
    s += prefix + "unsigned short " + name + "_palette[]={\n";
    for (Color16 w : palette)
        s += Fmt("0x%04X,", w);
    s += "\n};\n\n\n// Indexed: width = " + std::to_string(nWidth) + ", height = " + std::to_string(nHeight) + "\n";
    s += prefix + "unsigned char " + name + "[]={\n";
    s += Rows("0x%02X,", std::vector<unsigned>(indices.begin(), indices.end()), nWidth, nHeight);
    return Crlf(s + "};\n");
}

// Values that reach every hexadecimal digit position, the top word included.
std::vector<Color16> SampleWords(std::size_t n)
{
    std::vector<Color16> words(n);
    for (std::size_t i = 0; i < n; ++i)
        words[i] = static_cast<Color16>((i * 0x1357u + 0x0A0Bu) & 0x7FFF);
    if (n)
        words[n - 1] = 0x7FFF;
    return words;
}

std::vector<std::uint8_t> SampleBytes(std::size_t n)
{
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 97u + 3u);
    return bytes;
}

OutputRequest RequestIn(const TempDir& dir, const char* pszName, int bWriteBinary, int bLittleEndian,
                        int bAddConst = 1)
{
    OutputRequest request;
    request.strSourcePath = CString(dir.File(std::string(pszName) + ".c"));
    request.strBinaryPath = CString(dir.File(std::string(pszName) + ".bin"));
    request.strIdentifier = pszName;
    request.m_bAddConst = bAddConst;
    request.m_bWriteBinary = bWriteBinary;
    request.m_bLittleEndian = bLittleEndian;
    return request;
}

// --- The worked examples ---------------------------------------------------

using zandrel::test::kWorkedExampleText;

TEST(OutputWriterTest, WorkedExampleInBothByteOrders)
{
    struct Case {
        int bLittleEndian;
        Bytes binary;
    };
    for (const Case& c : {Case{1, {0x1F, 0x00, 0xFF, 0x7F, 0x80, 0xFF}}, Case{0, {0x00, 0x1F, 0x7F, 0xFF, 0x80, 0xFF}}}) {
        TempDir dir;
        Color16 words[] = {zandrel::PackColor16(0xFF, 0x00, 0x00), zandrel::PackColor16(0xFF, 0xFF, 0xFF)};
        const std::uint8_t alpha[] = {0x80, 0xFF};
        const OutputRequest request = RequestIn(dir, "image_pic", 1, c.bLittleEndian);

        const WriteOutcome outcome = zandrel::WriteTrueColorFiles(request, words, alpha, 2, 1);

        EXPECT_TRUE(outcome.Succeeded());
        ASSERT_EQ(outcome.written.size(), 2u);
        EXPECT_EQ(outcome.written[0], request.strSourcePath);
        EXPECT_EQ(outcome.written[1], request.strBinaryPath);
        EXPECT_EQ(ReadFileText(dir.File("image_pic.c")), kWorkedExampleText) << c.bLittleEndian;
        EXPECT_EQ(ReadFileBytes(dir.File("image_pic.bin")), c.binary) << c.bLittleEndian;
        EXPECT_EQ(FileNamesIn(dir.Path()), (std::set<std::string>{"image_pic.c", "image_pic.bin"}));
    }
}

TEST(OutputWriterTest, IndexedTwoByTwoBinaryInBothByteOrders)
{
    struct Case {
        int bLittleEndian;
        Bytes binary;
    };
    for (const Case& c : {Case{1, {0x00, 0x00, 0xFF, 0x7F, 0x00, 0x01, 0x01, 0x00}},
                          Case{0, {0x00, 0x00, 0x7F, 0xFF, 0x00, 0x01, 0x01, 0x00}}}) {
        TempDir dir;
        Color16 palette[] = {0x0000, 0x7FFF};
        const std::uint8_t indices[] = {0, 1, 1, 0};
        const OutputRequest request = RequestIn(dir, "image_idx", 1, c.bLittleEndian);

        EXPECT_TRUE(zandrel::WriteIndexedFiles(request, palette, 2, indices, 2, 2).Succeeded());

        EXPECT_EQ(ReadFileBytes(dir.File("image_idx.bin")), c.binary);
        EXPECT_EQ(ReadFileText(dir.File("image_idx.c")),
                  ReferenceIndexed("image_idx", true, {0x0000, 0x7FFF}, {0, 1, 1, 0}, 2, 2));
    }
}

// --- Layouts ---------------------------------------------------------------

struct LayoutCase {
    int nWidth;
    int nHeight;
    bool bConst;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, TrueColorWithoutAlphaMatchesTemplates)
{
    const LayoutCase& c = GetParam();
    const auto words = SampleWords(static_cast<std::size_t>(c.nWidth * c.nHeight));
    MemorySink sink;
    EXPECT_TRUE(zandrel::FormatTrueColorSource(sink, "img", c.bConst, words.data(), nullptr, c.nWidth, c.nHeight));
    EXPECT_EQ(sink.text, ReferenceTrueColor("img", c.bConst, words, nullptr, c.nWidth, c.nHeight));
}

TEST_P(LayoutTest, TrueColorWithAlphaMatchesTemplates)
{
    const LayoutCase& c = GetParam();
    const auto words = SampleWords(static_cast<std::size_t>(c.nWidth * c.nHeight));
    const auto alpha = SampleBytes(words.size());
    // A null alpha array means a 24-bit image, also when there are no pixels.
    const std::uint8_t none = 0;
    const std::uint8_t* pAlpha = alpha.empty() ? &none : alpha.data();
    MemorySink sink;
    EXPECT_TRUE(zandrel::FormatTrueColorSource(sink, "img", c.bConst, words.data(), pAlpha, c.nWidth, c.nHeight));
    EXPECT_EQ(sink.text, ReferenceTrueColor("img", c.bConst, words, &alpha, c.nWidth, c.nHeight));
}

TEST_P(LayoutTest, IndexedMatchesTemplates)
{
    const LayoutCase& c = GetParam();
    const auto palette = SampleWords(static_cast<std::size_t>(c.nWidth + 2));
    const auto indices = SampleBytes(static_cast<std::size_t>(c.nWidth * c.nHeight));
    MemorySink sink;
    EXPECT_TRUE(zandrel::FormatIndexedSource(sink, "img", c.bConst, palette.data(), static_cast<int>(palette.size()),
                                             indices.data(), c.nWidth, c.nHeight));
    EXPECT_EQ(sink.text, ReferenceIndexed("img", c.bConst, palette, indices, c.nWidth, c.nHeight));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest,
                         ::testing::Values(LayoutCase{1, 1, true}, LayoutCase{1, 1, false}, LayoutCase{3, 1, true},
                                           LayoutCase{5, 4, false}, LayoutCase{7, 3, true}, LayoutCase{2, 0, true},
                                           LayoutCase{1, 9, false}, LayoutCase{1000, 2, true},
                                           LayoutCase{160000, 1, false}));  // one row longer than a block

// The oracle above is built from the same templates; pin a few texts
// literally as well.
TEST(LayoutTest, LiteralTexts)
{
    struct Case {
        int bConst;
        int nHeight;
        bool bAlpha;
        const char* expected;
    };
    const Color16 words[] = {0x0886};
    const std::uint8_t alpha[] = {0x07};
    const Case cases[] = {
        {0, 1, false,
         "// bitmap image for PSP\r\n// width = 1, height = 1\r\nunsigned short a[]={\r\n0x0886,\r\n};\r\n"},
        {1, 0, false, "// bitmap image for PSP\r\n// width = 1, height = 0\r\nconst unsigned short a[]={\r\n};\r\n"},
        {0, 0, true,
         "// bitmap image for PSP\r\n// width = 1, height = 0\r\nunsigned short a[]={\r\n};\r\n\r\n\r\n"
         "unsigned char a_alpha[]={\r\n};\r\n"},
        {1, 1, true,
         "// bitmap image for PSP\r\n// width = 1, height = 1\r\nconst unsigned short a[]={\r\n0x0886,\r\n};\r\n\r\n\r\n"
         "const unsigned char a_alpha[]={\r\n0x07,\r\n};\r\n"},
    };
    for (const Case& c : cases) {
        MemorySink sink;
        zandrel::FormatTrueColorSource(sink, "a", c.bConst, words, c.bAlpha ? alpha : nullptr, 1, c.nHeight);
        EXPECT_EQ(sink.text, c.expected);
    }
}

TEST(LayoutTest, FullPaletteIsOneLineOf1792Characters)
{
    std::vector<Color16> palette(256);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = static_cast<Color16>(i * 0x7F);
    MemorySink sink;
    zandrel::FormatIndexedSource(sink, "p", 1, palette.data(), 256, nullptr, 0, 0);

    const std::string declaration = "const unsigned short p_palette[]={\r\n";
    const std::size_t nStart = sink.text.find(declaration) + declaration.size();
    const std::size_t nEnd = sink.text.find("\r\n", nStart);
    EXPECT_EQ(nEnd - nStart, 1792u);
    EXPECT_EQ(sink.text.substr(nEnd), "\r\n};\r\n\r\n\r\n// Indexed: width = 0, height = 0\r\nconst unsigned char p[]={\r\n};\r\n");
}

// Sizes that are not positive write no rows and never touch the arrays
// (null arrays here: any read would crash).
TEST(LayoutTest, NonPositiveSizesReadNoElements)
{
    struct Case {
        int nWidth;
        int nHeight;
    };
    for (const Case& c : {Case{0, 5}, Case{-3, 2}, Case{4, -1}, Case{-2, -2}, Case{0, 0}}) {
        MemorySink sink;
        EXPECT_TRUE(zandrel::FormatTrueColorSource(sink, "a", 1, nullptr, nullptr, c.nWidth, c.nHeight));
        EXPECT_NE(sink.text.find("const unsigned short a[]={\r\n};\r\n"), std::string::npos) << sink.text;
        MemorySink indexed;
        EXPECT_TRUE(zandrel::FormatIndexedSource(indexed, "a", 1, nullptr, 0, nullptr, c.nWidth, c.nHeight));
        EXPECT_NE(indexed.text.find("const unsigned char a[]={\r\n};\r\n"), std::string::npos) << indexed.text;

        TempDir dir;
        const OutputRequest request = RequestIn(dir, "a", 1, 0);
        EXPECT_TRUE(zandrel::WriteTrueColorFiles(request, nullptr, nullptr, c.nWidth, c.nHeight).Succeeded());
        EXPECT_EQ(ReadFileBytes(dir.File("a.bin")), Bytes{});
    }
}

TEST(OutputWriterTest, BinaryHoldsWordsThenAlphaThenNothingElse)
{
    TempDir dir;
    const int nWidth = 3, nHeight = 2;
    auto words = SampleWords(6);
    const auto alpha = SampleBytes(6);
    const auto original = words;
    zandrel::WriteTrueColorFiles(RequestIn(dir, "t", 1, 0), words.data(), alpha.data(), nWidth, nHeight);

    Bytes expected;
    for (Color16 w : original) {
        expected.push_back(static_cast<std::uint8_t>(w >> 8));
        expected.push_back(static_cast<std::uint8_t>(w & 0xFF));
    }
    expected.insert(expected.end(), alpha.begin(), alpha.end());
    EXPECT_EQ(ReadFileBytes(dir.File("t.bin")), expected);
    // The text shows the words as packed, before the byte-order step.
    EXPECT_EQ(ReadFileText(dir.File("t.c")), ReferenceTrueColor("t", true, original, &alpha, nWidth, nHeight));
}

// --- The output is C that means the arrays ----------------------------------

#if !defined(_WIN32)
std::string RunAndCapture(const std::string& command)
{
    std::string out;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        pclose(pipe);
    }
    return out;
}

TEST(OutputWriterTest, HostCompilerReadsTheArraysBack)
{
    const std::string compiler = ZANDREL_HOST_CC;
    if (compiler.empty())
        GTEST_SKIP() << "no host C compiler";
    TempDir dir;
    const int nWidth = 5, nHeight = 3;
    auto words = SampleWords(15);
    const auto alpha = SampleBytes(15);
    auto palette = SampleWords(7);
    const auto indices = SampleBytes(15);
    std::ostringstream expected;
    for (Color16 w : words)
        expected << w << ' ';
    expected << '|';
    for (std::uint8_t b : alpha)
        expected << unsigned{b} << ' ';
    expected << '|';
    for (Color16 w : palette)
        expected << w << ' ';
    expected << '|';
    for (std::uint8_t b : indices)
        expected << unsigned{b} << ' ';
    expected << '|';

    zandrel::WriteTrueColorFiles(RequestIn(dir, "image_rgba", 0, 1, 1), words.data(), alpha.data(), nWidth, nHeight);
    zandrel::WriteIndexedFiles(RequestIn(dir, "image_idx", 0, 0, 0), palette.data(), 7, indices.data(), nWidth,
                               nHeight);
    const char kMain[] =
        "#include <stdio.h>\n"
        "#include \"image_rgba.c\"\n"
        "#include \"image_idx.c\"\n"
        "#define DUMP(a) for (i = 0; i < sizeof(a) / sizeof(a[0]); ++i) printf(\"%u \", (unsigned)a[i]); printf(\"|\");\n"
        "int main(void) { unsigned i; DUMP(image_rgba) DUMP(image_rgba_alpha) DUMP(image_idx_palette) DUMP(image_idx) "
        "return 0; }\n";
    ASSERT_TRUE(WriteFileBytes(dir.File("main.c"), Bytes(kMain, kMain + sizeof kMain - 1)));
    const std::string exe = dir.File("dump");
    const std::string build =
        compiler + " -std=c99 -Wall -Wextra -Werror -o '" + exe + "' '" + dir.File("main.c") + "' 2>&1";
    const std::string diagnostics = RunAndCapture(build);
    ASSERT_EQ(diagnostics, "");
    EXPECT_EQ(RunAndCapture("'" + exe + "'"), expected.str());
}

#endif

// --- Failures never pass for success, and never harm what was there ---------

TEST(OutputWriterTest, MissingFolderIsReportedAndCreatesNothing)
{
    TempDir dir;
    OutputRequest request = RequestIn(dir, "x", 1, 1);
    request.strSourcePath = CString(dir.File("no-such-folder/x.c"));
    request.strBinaryPath = CString(dir.File("no-such-folder/x.bin"));
    Color16 words[] = {1, 2};

    const WriteOutcome outcome = zandrel::WriteTrueColorFiles(request, words, nullptr, 2, 1);

    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_TRUE(outcome.written.empty());
    ASSERT_EQ(outcome.failures.size(), 2u);
    EXPECT_EQ(outcome.failures[0].strPath, request.strSourcePath);
    EXPECT_EQ(outcome.failures[0].nErrno, ENOENT);
    EXPECT_EQ(outcome.failures[1].strPath, request.strBinaryPath);
    EXPECT_EQ(outcome.failures[1].nErrno, ENOENT);
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(OutputWriterTest, BinaryIsWrittenWhenTheSourceFileFails)
{
    TempDir dir;
    OutputRequest request = RequestIn(dir, "x", 1, 1);
    request.strSourcePath = CString(dir.File("no-such-folder/x.c"));
    Color16 palette[] = {0x1234};
    const std::uint8_t indices[] = {0};

    const WriteOutcome outcome = zandrel::WriteIndexedFiles(request, palette, 1, indices, 1, 1);

    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].strPath, request.strSourcePath);
    EXPECT_EQ(outcome.written, std::vector<CString>{request.strBinaryPath});
    EXPECT_EQ(ReadFileBytes(dir.File("x.bin")), (Bytes{0x34, 0x12, 0x00}));
}

TEST(OutputWriterTest, ExistingBinaryIsUntouchedWhenNotAsked)
{
    TempDir dir;
    const Bytes old = {'o', 'l', 'd'};
    ASSERT_TRUE(WriteFileBytes(dir.File("x.bin"), old));
    ASSERT_TRUE(WriteFileBytes(dir.File("x.c"), old));
    Color16 words[] = {0x7FFF};

    const WriteOutcome outcome = zandrel::WriteTrueColorFiles(RequestIn(dir, "x", 0, 0), words, nullptr, 1, 1);

    EXPECT_EQ(outcome.written, std::vector<CString>{CString(dir.File("x.c"))});
    EXPECT_EQ(ReadFileBytes(dir.File("x.bin")), old);
    EXPECT_NE(ReadFileBytes(dir.File("x.c")), old);
    EXPECT_EQ(FileNamesIn(dir.Path()), (std::set<std::string>{"x.c", "x.bin"}));
}

#if !defined(_WIN32)
TEST(OutputWriterTest, FinishedFilesHaveOrdinaryPermissions)
{
    TempDir dir;
    const mode_t previous = umask(022);
    Color16 words[] = {0};
    zandrel::WriteTrueColorFiles(RequestIn(dir, "x", 1, 1), words, nullptr, 1, 1);
    umask(previous);
    for (const char* name : {"x.c", "x.bin"}) {
        struct stat info {};
        ASSERT_EQ(stat(dir.File(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << name;
    }
}

// A write cut short by the file-size limit (a full disk, in effect) must be
// reported, must leave the previous outputs byte for byte, and must leave no
// temporary file behind. The limit is set in a child process only.
TEST(OutputWriterTest, WriteCutShortLeavesPreviousOutputs)
{
    TempDir dir;
    const Bytes oldText = {'o', 'l', 'd', ' ', 't', 'e', 'x', 't'};
    const Bytes oldBinary = {1, 2, 3};
    ASSERT_TRUE(WriteFileBytes(dir.File("big.c"), oldText));
    ASSERT_TRUE(WriteFileBytes(dir.File("big.bin"), oldBinary));
    const OutputRequest request = RequestIn(dir, "big", 1, 1);

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{50000, 50000};  // below both files (about 280 KB of text, 80 KB of binary)
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(10);
        auto words = SampleWords(200 * 200);
        const WriteOutcome outcome = zandrel::WriteTrueColorFiles(request, words.data(), nullptr, 200, 200);
        if (!outcome.written.empty() || outcome.failures.size() != 2)
            _exit(11);
        for (const auto& failure : outcome.failures)
            if (failure.nErrno != EFBIG)
                _exit(12);
        if (!(outcome.failures[0].strPath == request.strSourcePath) ||
            !(outcome.failures[1].strPath == request.strBinaryPath))
            _exit(13);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("big.c")), oldText);
    EXPECT_EQ(ReadFileBytes(dir.File("big.bin")), oldBinary);
    EXPECT_EQ(FileNamesIn(dir.Path()), (std::set<std::string>{"big.c", "big.bin"}));
}

// A temporary name left by a run that was killed must not be taken over.
TEST(OutputWriterTest, LeftoverTemporaryFilesAreNotReused)
{
    TempDir dir;
    Color16 words[] = {0x0001};
    zandrel::WriteTrueColorFiles(RequestIn(dir, "x", 0, 1), words, nullptr, 1, 1);
    const std::string first = ReadFileText(dir.File("x.c"));
    // Read-only leftovers under the usual temporary names.
    for (const char* name : {"x.c.tmp", "x.c.new", "x.c~", ".x.c.tmp", "x.tmp", "x.c.XXXXXX"}) {
        const std::string leftover = dir.File(name);
        ASSERT_TRUE(WriteFileBytes(leftover, Bytes{'L'}));
        chmod(leftover.c_str(), 0444);
    }
    const auto before = FileNamesIn(dir.Path());
    words[0] = 0x0002;
    EXPECT_TRUE(zandrel::WriteTrueColorFiles(RequestIn(dir, "x", 0, 1), words, nullptr, 1, 1).Succeeded());
    EXPECT_EQ(FileNamesIn(dir.Path()), before);
    EXPECT_NE(ReadFileText(dir.File("x.c")), first);
    EXPECT_NE(ReadFileText(dir.File("x.c")).find("0x0002,"), std::string::npos);
}
#endif

}  // namespace

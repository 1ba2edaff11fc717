// zandrel-bench: how fast a conversion writes its outputs, and how much memory
// it takes at its peak.
//
//   zandrel-bench [folder] [runs]
//
// Builds a 4096 x 4096 32-bit and 24-bit bitmap in a scratch folder (or in
// `folder`), then runs every case in a fresh process of its own (fork + exec
// of this program), so each peak resident size (ru_maxrss of the child) is the
// case's alone. Each case is run `runs` times (3 by default); the best time
// counts. Throughput is bytes of output per second.
//
// Cases:
//   convert32/24   the whole conversion through ConvertImageFile: decode,
//                  pack, write .c and .bin
//   texture8888s32 the GE texture path on the 32-bit bitmap: --format 8888
//                  --swizzle, writing .c, .h and .bin
//   texture5551-32 the same with --format 5551, not swizzled
//   reference32/24 read the whole bitmap, decode and pack it the simple way,
//                  then fprintf("0x%04X,") per element and one fwrite for the
//                  .bin: what a straightforward program does
//   touch-large    first touch of a 64 MiB LargeBuffer, against
//   touch-malloc   the same from malloc (where the time of a fresh block goes)
//   writer32/24    our writers alone, on synthetic arrays
//   printf32/24    the fprintf writer alone, on the same synthetic arrays
//   plain32        fwrite calls of 1 MiB, as many bytes as writer32 wrote
//   convertpng     the whole conversion of a PNG of image32.bmp's pixels
//                  (RGBA, made with libspng's encoder) through ConvertImageFile
//   spngdecode     libspng alone: read that PNG and decode it to RGBA
#include <spng.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "convert/color16.h"
#include "convert/convert.h"
#include "convert/large_buffer.h"

namespace {

constexpr int kWidth = 4096;
constexpr int kHeight = 4096;
constexpr std::size_t kPixels = std::size_t{kWidth} * kHeight;
constexpr std::size_t kMiB = std::size_t{1} << 20;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::uint64_t FileSize(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<std::uint8_t>(nValue >> (8 * i)));
}

// A plain bottom-up bitmap with a 40-byte header and varied pixels.
bool WriteBitmap(const std::string& path, int nBitCount)
{
    const std::uint32_t nRow = static_cast<std::uint32_t>((kWidth * nBitCount / 8 + 3) & ~3);
    const std::uint32_t nImage = nRow * kHeight;
    std::vector<std::uint8_t> header;
    header.push_back('B');
    header.push_back('M');
    PutLE(header, 54 + nImage, 4);
    PutLE(header, 0, 4);
    PutLE(header, 54, 4);
    PutLE(header, 40, 4);
    PutLE(header, kWidth, 4);
    PutLE(header, kHeight, 4);
    PutLE(header, 1, 2);
    PutLE(header, static_cast<std::uint32_t>(nBitCount), 2);
    PutLE(header, 0, 4);
    PutLE(header, nImage, 4);
    PutLE(header, 2835, 4);
    PutLE(header, 2835, 4);
    PutLE(header, 0, 4);
    PutLE(header, 0, 4);

    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (!pFile)
        return false;
    bool bOk = std::fwrite(header.data(), 1, header.size(), pFile) == header.size();
    std::vector<std::uint8_t> row(nRow, 0);
    std::uint32_t nState = 12345;
    for (int y = 0; y < kHeight && bOk; ++y) {
        for (std::uint32_t i = 0; i < nRow; ++i) {
            nState = nState * 1664525u + 1013904223u;
            row[i] = static_cast<std::uint8_t>(nState >> 24);
        }
        bOk = std::fwrite(row.data(), 1, row.size(), pFile) == row.size();
    }
    return std::fclose(pFile) == 0 && bOk;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* pBytes)
{
    pBytes->resize(FileSize(path));
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    const bool bOk = pFile && std::fread(pBytes->data(), 1, pBytes->size(), pFile) == pBytes->size();
    if (pFile)
        std::fclose(pFile);
    return bOk;
}

// The 32-bit bitmap's pixels as an RGBA PNG, top row first, by libspng.
bool WritePng(const std::string& bitmap, const std::string& path)
{
    std::vector<std::uint8_t> file;
    if (!ReadWholeFile(bitmap, &file) || file.size() < 54 + 4 * kPixels)
        return false;
    std::vector<std::uint8_t> rgba(4 * kPixels);
    for (std::size_t y = 0; y < kHeight; ++y) {
        const std::uint8_t* pRow = file.data() + 54 + 4 * kWidth * (kHeight - 1 - y);
        for (std::size_t x = 0; x < kWidth; ++x) {
            const std::uint8_t* p = pRow + 4 * x;
            std::uint8_t* pOut = rgba.data() + 4 * (y * kWidth + x);
            pOut[0] = p[2];
            pOut[1] = p[1];
            pOut[2] = p[0];
            pOut[3] = p[3];
        }
    }
    spng_ctx* pContext = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_ihdr ihdr{};
    ihdr.width = kWidth;
    ihdr.height = kHeight;
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    bool bOk = pContext && pFile && spng_set_png_file(pContext, pFile) == 0 && spng_set_ihdr(pContext, &ihdr) == 0 &&
               spng_encode_image(pContext, rgba.data(), rgba.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) == 0;
    spng_ctx_free(pContext);
    if (pFile)
        bOk = std::fclose(pFile) == 0 && bOk;
    return bOk;
}

struct SyntheticImage {
    zandrel::LargeBuffer words;
    zandrel::LargeBuffer alpha;
};

bool MakeSynthetic(SyntheticImage* pImage, bool bAlpha)
{
    if (!pImage->words.Allocate(kPixels * 2) || (bAlpha && !pImage->alpha.Allocate(kPixels)))
        return false;
    std::uint32_t nState = 987654321u;
    auto* pWords = pImage->words.As<zandrel::Color16>();
    for (std::size_t i = 0; i < kPixels; ++i) {
        nState ^= nState << 13;
        nState ^= nState >> 17;
        nState ^= nState << 5;
        pWords[i] = static_cast<zandrel::Color16>(nState & 0x7FFF);
        if (bAlpha)
            pImage->alpha.Data()[i] = static_cast<std::uint8_t>(nState >> 24);
    }
    return true;
}

// The straightforward writer: one fprintf per element into a buffered stream.
std::uint64_t WriteWithPrintf(const std::string& base, zandrel::Color16* pWords, const std::uint8_t* pAlpha)
{
    const std::string source = base + ".c";
    const std::string binary = base + ".bin";
    if (std::FILE* pFile = std::fopen(source.c_str(), "wb")) {
        std::fprintf(pFile, "// bitmap image for PSP\r\n// width = %d, height = %d\r\n", kWidth, kHeight);
        std::fprintf(pFile, "const unsigned short %s[]={\r\n", "image_ref");
        std::size_t i = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                std::fprintf(pFile, "0x%04X,", pWords[i++]);
            std::fprintf(pFile, "\r\n");
        }
        if (pAlpha) {
            std::fprintf(pFile, "};\r\n\r\n\r\nconst unsigned char %s_alpha[]={\r\n", "image_ref");
            i = 0;
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x)
                    std::fprintf(pFile, "0x%02X,", pAlpha[i++]);
                std::fprintf(pFile, "\r\n");
            }
        }
        std::fprintf(pFile, "};\r\n");
        std::fclose(pFile);
    }
    if (std::FILE* pFile = std::fopen(binary.c_str(), "wb")) {
        std::fwrite(pWords, 2, kPixels, pFile);
        if (pAlpha)
            std::fwrite(pAlpha, 1, kPixels, pFile);
        std::fclose(pFile);
    }
    return FileSize(source) + FileSize(binary);
}

zandrel::OutputNames NamesFor(const std::string& base)
{
    zandrel::OutputNames names;
    names.strStem = CString(base);
    names.strArrayName = "image_synthetic";
    return names;
}

zandrel::OutputNames DerivedNames(const std::string& path)
{
    return zandrel::DeriveOutputNames(CString(path), zandrel::NamingOptions(), zandrel::PathStyle{'/', 0});
}

// What one run of a case gives: a time and a byte count, or why it measured nothing.
struct CaseResult {
    int nExit = 0;        // non-zero: the case failed outright (exit status of the child)
    std::string skipped;  // the reason, when the case measured nothing
    double dSeconds = 0;
    std::uint64_t nBytes = 0;
};

CaseResult Skip(const char* pszReason)
{
    CaseResult result;
    result.skipped = pszReason;
    return result;
}

CaseResult Fail()
{
    CaseResult result;
    result.nExit = 1;
    return result;
}

CaseResult Measured(double dSeconds, std::uint64_t nBytes)
{
    CaseResult result;
    result.dSeconds = dSeconds;
    result.nBytes = nBytes;
    return result;
}

// Why a conversion did not give the whole output, or nullptr if it did.
const char* Shortfall(const zandrel::ConversionReport& report)
{
    if (report.nResult == zandrel::kConvertDone)
        return nullptr;
    return report.nResult == zandrel::kConvertRefused ? zandrel::DescribeRefusal(report.eRefusal)
                                                      : "an output could not be written";
}

// Where a case reads and writes.
struct CaseInput {
    std::string folder;
    std::string bitmap;  // image32.bmp or image24.bmp, by the case's depth
    std::string base;    // folder/out_<case>: the stem of the case's own outputs
    bool b32 = false;
    std::uint64_t nPlainBytes = 0;  // what writer32 wrote, for plain32
};

CaseResult ConvertPng(const CaseInput& in)
{
    zandrel::ConvertOptions options;
    options.m_bWriteBinary = 1;
    const Clock::time_point start = Clock::now();
    const zandrel::ConversionReport report = zandrel::ConvertImageFile(
        CString(in.folder + "/image32.png"), DerivedNames(in.folder + "/image32.png"), options, zandrel::kBmpAndPng);
    const double dSeconds = SecondsSince(start);
    if (const char* pszShortfall = Shortfall(report))
        return Skip(pszShortfall);
    return Measured(dSeconds, FileSize(in.folder + "/image_image32.c") + FileSize(in.folder + "/image_image32.bin"));
}

CaseResult DecodeWithSpng(const CaseInput& in)
{
    const Clock::time_point start = Clock::now();
    std::vector<std::uint8_t> file;
    std::vector<std::uint8_t> rgba(4 * kPixels);
    spng_ctx* pContext = spng_ctx_new(0);
    const bool bOk = ReadWholeFile(in.folder + "/image32.png", &file) && pContext &&
                     spng_set_png_buffer(pContext, file.data(), file.size()) == 0 &&
                     spng_decode_image(pContext, rgba.data(), rgba.size(), SPNG_FMT_RGBA8, 0) == 0;
    spng_ctx_free(pContext);
    const double dSeconds = SecondsSince(start);
    if (!bOk)
        return Skip("libspng cannot decode the PNG");
    return Measured(dSeconds, rgba.size());
}

CaseResult ConvertBitmap(const CaseInput& in)
{
    zandrel::ConvertOptions options;
    options.m_bWriteBinary = 1;
    const Clock::time_point start = Clock::now();
    const zandrel::ConversionReport report =
        zandrel::ConvertImageFile(CString(in.bitmap), DerivedNames(in.bitmap), options, zandrel::kBmpOnly);
    const double dSeconds = SecondsSince(start);
    if (const char* pszShortfall = Shortfall(report))
        return Skip(pszShortfall);
    const std::string out = in.folder + (in.b32 ? "/image_image32" : "/image_image24");
    return Measured(dSeconds, FileSize(out + ".c") + FileSize(out + ".bin"));
}

CaseResult ConvertTexture(const CaseInput& in, zandrel::TextureFormat eFormat, bool bSwizzle)
{
    zandrel::TextureOptions texture;
    texture.bWriteBinary = true;
    texture.eFormat = eFormat;
    texture.bSwizzle = bSwizzle;
    const Clock::time_point start = Clock::now();
    const zandrel::ConversionReport report =
        zandrel::ConvertTextureFile(CString(in.bitmap), DerivedNames(in.bitmap), texture, zandrel::kBmpOnly);
    const double dSeconds = SecondsSince(start);
    if (const char* pszShortfall = Shortfall(report))
        return Skip(pszShortfall);
    const std::string out = in.folder + "/image_image32";
    return Measured(dSeconds, FileSize(out + ".c") + FileSize(out + ".h") + FileSize(out + ".bin"));
}

// The plain bitmap written above, decoded the simple way: the whole file read
// at once, rows bottom-up, then packed and written with fprintf.
CaseResult ConvertTheSimpleWay(const CaseInput& in)
{
    const Clock::time_point start = Clock::now();
    std::vector<std::uint8_t> file(FileSize(in.bitmap));
    std::FILE* pFile = std::fopen(in.bitmap.c_str(), "rb");
    if (!pFile || std::fread(file.data(), 1, file.size(), pFile) != file.size())
        return Skip("the bitmap cannot be read");
    std::fclose(pFile);
    const std::size_t nBytesPerPixel = in.b32 ? 4 : 3;
    const std::size_t nRow = (kWidth * nBytesPerPixel + 3) & ~std::size_t{3};
    std::vector<zandrel::Color16> words(kPixels);
    std::vector<std::uint8_t> alpha(in.b32 ? kPixels : 0);
    std::size_t i = 0;
    for (int y = 0; y < kHeight; ++y) {
        const std::uint8_t* p = file.data() + 54 + nRow * static_cast<std::size_t>(kHeight - 1 - y);
        for (int x = 0; x < kWidth; ++x, ++i, p += nBytesPerPixel) {
            words[i] = zandrel::PackColor16(p[2], p[1], p[0]);
            if (in.b32)
                alpha[i] = p[3];
        }
    }
    file = {};
    const std::uint64_t nBytes = WriteWithPrintf(in.base, words.data(), in.b32 ? alpha.data() : nullptr);
    return Measured(SecondsSince(start), nBytes);
}

// Synthetic arrays written by our writers (bPrintf false) or by fprintf.
CaseResult WriteSynthetic(const CaseInput& in, bool bPrintf)
{
    SyntheticImage image;
    if (!MakeSynthetic(&image, in.b32))
        return Skip("out of memory");
    auto* pWords = image.words.As<zandrel::Color16>();
    const std::uint8_t* pAlpha = in.b32 ? image.alpha.Data() : nullptr;
    const Clock::time_point start = Clock::now();
    if (bPrintf) {
        const std::uint64_t nBytes = WriteWithPrintf(in.base, pWords, pAlpha);
        return Measured(SecondsSince(start), nBytes);
    }
    zandrel::ConvertOptions options;
    options.m_bWriteBinary = 1;
    const zandrel::WriteOutcome outcome =
        zandrel::WriteTrueColorFiles(NamesFor(in.base), options, pWords, pAlpha, kWidth, kHeight);
    const double dSeconds = SecondsSince(start);
    if (!outcome.Succeeded())
        return Skip("an output could not be written");
    return Measured(dSeconds, FileSize(in.base + ".c") + FileSize(in.base + ".bin"));
}

// First touch of a 64 MiB block from LargeBuffer (bLarge) or from malloc.
CaseResult TouchBlock(bool bLarge)
{
    constexpr std::size_t kBlock = 64 * kMiB;
    zandrel::LargeBuffer large;
    const Clock::time_point start = Clock::now();
    std::uint8_t* p = nullptr;
    if (bLarge) {
        if (!large.Allocate(kBlock))
            return Fail();
        p = large.Data();
    } else {
        p = static_cast<std::uint8_t*>(std::malloc(kBlock));
        if (!p)
            return Fail();
    }
    std::memset(p, 1, kBlock);
    const double dSeconds = SecondsSince(start);
    if (!bLarge)
        std::free(p);
    return Measured(dSeconds, kBlock);
}

CaseResult WritePlainBlocks(const CaseInput& in)
{
    std::vector<char> block(kMiB, 'x');
    const Clock::time_point start = Clock::now();
    std::FILE* pFile = std::fopen((in.base + ".dat").c_str(), "wb");
    if (!pFile)
        return Fail();
    std::uint64_t nBytes = 0;
    for (std::uint64_t nLeft = in.nPlainBytes; nLeft;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(nLeft, kMiB));
        if (std::fwrite(block.data(), 1, n, pFile) != n)
            break;
        nLeft -= n;
        nBytes += n;
    }
    std::fclose(pFile);
    return Measured(SecondsSince(start), nBytes);
}

// Every case in the order it runs and is printed; the depth picks the bitmap
// (image32.bmp or image24.bmp) for the cases that read one.
struct Case {
    const char* pszName;
    int nBitCount;
    CaseResult (*run)(const CaseInput&);
};

constexpr Case kCases[] = {
    {"writer32", 32, [](const CaseInput& in) { return WriteSynthetic(in, false); }},
    {"printf32", 32, [](const CaseInput& in) { return WriteSynthetic(in, true); }},
    {"plain32", 32, WritePlainBlocks},
    {"writer24", 24, [](const CaseInput& in) { return WriteSynthetic(in, false); }},
    {"printf24", 24, [](const CaseInput& in) { return WriteSynthetic(in, true); }},
    {"convert32", 32, ConvertBitmap},
    {"reference32", 32, ConvertTheSimpleWay},
    {"convert24", 24, ConvertBitmap},
    {"reference24", 24, ConvertTheSimpleWay},
    {"texture8888s32", 32,
     [](const CaseInput& in) { return ConvertTexture(in, zandrel::TextureFormat::k8888, true); }},
    {"texture5551-32", 32,
     [](const CaseInput& in) { return ConvertTexture(in, zandrel::TextureFormat::k5551, false); }},
    {"touch-large", 24, [](const CaseInput&) { return TouchBlock(true); }},
    {"touch-malloc", 24, [](const CaseInput&) { return TouchBlock(false); }},
    {"convertpng", 24, ConvertPng},
    {"spngdecode", 24, DecodeWithSpng},
};

// Runs one case in this process; prints "seconds bytes" or "skipped reason".
int RunCase(const std::string& name, const std::string& folder, std::uint64_t nPlainBytes)
{
    const Case* pCase = std::find_if(std::begin(kCases), std::end(kCases),
                                     [&](const Case& c) { return name == c.pszName; });
    if (pCase == std::end(kCases)) {
        std::fprintf(stderr, "unknown case %s\n", name.c_str());
        return 2;
    }
    CaseInput in;
    in.folder = folder;
    in.b32 = pCase->nBitCount == 32;
    in.bitmap = folder + (in.b32 ? "/image32.bmp" : "/image24.bmp");
    in.base = folder + "/out_" + name;
    in.nPlainBytes = nPlainBytes;
    const CaseResult result = pCase->run(in);
    if (result.nExit != 0)
        return result.nExit;
    if (!result.skipped.empty())
        std::printf("skipped %s\n", result.skipped.c_str());
    else
        std::printf("%.6f %llu\n", result.dSeconds, static_cast<unsigned long long>(result.nBytes));
    return 0;
}

struct Measurement {
    bool bRan = false;
    std::string skipped;
    double dSeconds = 0;      // best of the runs
    std::uint64_t nBytes = 0;
    long nPeakKiB = 0;        // largest ru_maxrss of the runs
    double MBps() const { return dSeconds > 0 ? nBytes / dSeconds / 1e6 : 0; }
};

void RemoveOutputs(const std::string& folder)
{
    for (const char* name : {"image_image32", "image_image24"})
        for (const char* ext : {".c", ".h", ".bin"})
            std::remove((folder + "/" + name + ext).c_str());
    for (const char* name : {"convert32", "convert24", "reference32", "reference24", "writer32", "writer24",
                             "printf32", "printf24", "plain32"})
        for (const char* ext : {".c", ".bin", ".dat"})
            std::remove((folder + "/out_" + name + ext).c_str());
}

// One run of a case in a fresh process.
bool RunChild(const std::string& self, const std::string& name, const std::string& folder, std::uint64_t nPlainBytes,
              Measurement* pResult)
{
    RemoveOutputs(folder);
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const std::string bytes = std::to_string(nPlainBytes);
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(self.c_str(), self.c_str(), "--case", name.c_str(), folder.c_str(), bytes.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    if (out.rfind("skipped", 0) == 0) {
        pResult->skipped = out.substr(8, out.find('\n') - 8);
        return true;
    }
    double dSeconds = 0;
    unsigned long long nBytes = 0;
    if (std::sscanf(out.c_str(), "%lf %llu", &dSeconds, &nBytes) != 2)
        return false;
    if (!pResult->bRan || dSeconds < pResult->dSeconds)
        pResult->dSeconds = dSeconds;
    pResult->bRan = true;
    pResult->nBytes = nBytes;
    pResult->nPeakKiB = std::max(pResult->nPeakKiB, usage.ru_maxrss);
    return true;
}

void PrintRow(const char* pszName, const Measurement& m)
{
    if (!m.bRan) {
        std::printf("  %-12s skipped: %s\n", pszName, m.skipped.c_str());
        return;
    }
    std::printf("  %-12s %8.3f s %10.1f MB %9.1f MB/s   peak %7.1f MiB\n", pszName, m.dSeconds, m.nBytes / 1e6,
                m.MBps(), m.nPeakKiB / 1024.0);
}

void PrintRatio(const char* pszWhat, const Measurement& a, const Measurement& b, double dTarget)
{
    if (!a.bRan || !b.bRan || b.MBps() <= 0) {
        std::printf("  %-44s n/a\n", pszWhat);
        return;
    }
    const double dRatio = a.MBps() / b.MBps();
    std::printf("  %-44s %7.2f   (target >= %.2f: %s)\n", pszWhat, dRatio, dTarget, dRatio >= dTarget ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && std::strcmp(argv[1], "--case") == 0)
        return RunCase(argv[2], argv[3], std::strtoull(argv[4], nullptr, 10));

    std::string folder;
    bool bOwnFolder = false;
    if (argc >= 2 && argv[1][0]) {
        folder = argv[1];
    } else {
        char szTemplate[] = "/tmp/zandrel-bench-XXXXXX";
        if (!mkdtemp(szTemplate)) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = szTemplate;
        bOwnFolder = true;
    }
    const int nRuns = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 3;
    char szSelf[4096];
    const ssize_t nSelf = readlink("/proc/self/exe", szSelf, sizeof szSelf - 1);
    if (nSelf <= 0) {
        std::perror("readlink");
        return 1;
    }
    const std::string self(szSelf, static_cast<std::size_t>(nSelf));

    if (!WriteBitmap(folder + "/image32.bmp", 32) || !WriteBitmap(folder + "/image24.bmp", 24) ||
        !WritePng(folder + "/image32.bmp", folder + "/image32.png")) {
        std::fprintf(stderr, "cannot write the bitmaps into %s\n", folder.c_str());
        return 1;
    }

    Measurement results[std::size(kCases)];
    std::uint64_t nPlainBytes = 0;
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        for (int run = 0; run < nRuns; ++run) {
            if (!RunChild(self, kCases[i].pszName, folder, nPlainBytes, &results[i])) {
                std::fprintf(stderr, "case %s failed\n", kCases[i].pszName);
                break;
            }
            if (!results[i].bRan)
                break;  // skipped: the next runs would be too
        }
        if (std::strcmp(kCases[i].pszName, "writer32") == 0)
            nPlainBytes = results[i].nBytes;
    }
    RemoveOutputs(folder);
    std::remove((folder + "/image32.bmp").c_str());
    std::remove((folder + "/image24.bmp").c_str());
    std::remove((folder + "/image32.png").c_str());
    if (bOwnFolder)
        rmdir(folder.c_str());

    auto find = [&](const char* pszName) -> const Measurement& {
        for (std::size_t i = 0; i < std::size(kCases); ++i)
            if (std::strcmp(kCases[i].pszName, pszName) == 0)
                return results[i];
        return results[0];
    };

    std::printf("%d x %d pixels, best of %d runs, output = .c + .bin\n", kWidth, kHeight, nRuns);
    for (std::size_t i = 0; i < std::size(kCases); ++i)
        PrintRow(kCases[i].pszName, results[i]);
    std::printf("ratios of output throughput:\n");
    PrintRatio("convert32 / reference32", find("convert32"), find("reference32"), 12);
    PrintRatio("convert24 / reference24", find("convert24"), find("reference24"), 12);
    PrintRatio("writer32 / printf32 (writers alone)", find("writer32"), find("printf32"), 12);
    PrintRatio("writer24 / printf24 (writers alone)", find("writer24"), find("printf24"), 12);
    PrintRatio("convert32 / plain32 (1 MiB fwrite)", find("convert32"), find("plain32"), 0.3);
    PrintRatio("writer32 / plain32 (1 MiB fwrite)", find("writer32"), find("plain32"), 0.3);
    // Time per output byte within 1.5 times the default output's.
    PrintRatio("texture8888s32 / convert32", find("texture8888s32"), find("convert32"), 1 / 1.5);
    PrintRatio("texture5551-32 / convert32", find("texture5551-32"), find("convert32"), 1 / 1.5);

    const double dLimitMiB = (8.0 * kPixels) / kMiB + 16;
    for (const char* pszName : {"convert32", "texture8888s32", "texture5551-32"}) {
        const Measurement& m = find(pszName);
        if (m.bRan)
            std::printf("peak memory of %s: %.1f MiB (target < %.1f MiB: %s)\n", pszName, m.nPeakKiB / 1024.0,
                        dLimitMiB, m.nPeakKiB / 1024.0 < dLimitMiB ? "met" : "MISSED");
        else
            std::printf("peak memory of %s: n/a (the conversion did not run)\n", pszName);
    }

    // A PNG costs its decoding and the rest of a bitmap's conversion.
    const Measurement& convert32 = find("convert32");
    const Measurement& png = find("convertpng");
    const Measurement& decode = find("spngdecode");
    if (png.bRan && decode.bRan && convert32.bRan) {
        const double dBudget = decode.dSeconds + 1.2 * convert32.dSeconds;
        std::printf("convertpng: %.3f s (target <= spngdecode + 1.2 x convert32 = %.3f s: %s), peak %.1f MiB "
                    "(target < %.1f MiB: %s)\n",
                    png.dSeconds, dBudget, png.dSeconds <= dBudget ? "met" : "MISSED", png.nPeakKiB / 1024.0,
                    dLimitMiB, png.nPeakKiB / 1024.0 < dLimitMiB ? "met" : "MISSED");
    } else {
        std::printf("convertpng: n/a (a PNG case did not run)\n");
    }
    return 0;
}

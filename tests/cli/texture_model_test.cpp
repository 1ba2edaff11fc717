// A model of the GE's texture fetch, written apart from the texture writer:
// the host C compiler reads the written arrays and macros back, and the model
// undoes the swizzle, widens channels by bit replication and looks indices up
// in the CLUT. Every texel must equal the source pixel rounded to nearest, and
// every padding texel must be 0.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "convert/decoded_image.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::test::Bytes;

enum Psm { k5650, k5551, k4444, k8888, kT4, kT8 };
const char* const kPsmNames[] = {"5650", "5551", "4444", "8888", "t4", "t8"};
const int kPsmBits[] = {16, 16, 16, 32, 4, 8};
using Rgba = std::array<int, 4>;

int Widen(int q, int nBits)
{
    return nBits == 8 ? q : nBits == 4 ? q * 17 : (q << (8 - nBits)) | (q >> (2 * nBits - 8));
}

// The widened value nearest to v among all n-bit values, the smaller on a tie.
int Nearest(int v, int nBits)
{
    int nBest = 0;
    for (int q = 0; q < (1 << nBits); ++q) {
        if (std::abs(Widen(q, nBits) - v) < std::abs(Widen(nBest, nBits) - v))
            nBest = q;
    }
    return Widen(nBest, nBits);
}

Rgba Expected(int nPsm, Rgba s, int nThreshold)
{
    switch (nPsm) {
    case k5650: return {Nearest(s[0], 5), Nearest(s[1], 6), Nearest(s[2], 5), 255};
    case k5551: return {Nearest(s[0], 5), Nearest(s[1], 5), Nearest(s[2], 5), s[3] >= nThreshold ? 255 : 0};
    case k4444: return {Nearest(s[0], 4), Nearest(s[1], 4), Nearest(s[2], 4), Nearest(s[3], 4)};
    default: return s;
    }
}

Rgba Decode(int nPsm, unsigned v)
{
    auto field = [v](int nShift, int nBits) { return Widen(static_cast<int>(v >> nShift) & ((1 << nBits) - 1), nBits); };
    switch (nPsm) {
    case k5650: return {field(0, 5), field(5, 6), field(11, 5), 255};
    case k5551: return {field(0, 5), field(5, 5), field(10, 5), (v >> 15) ? 255 : 0};
    case k4444: return {field(0, 4), field(4, 4), field(8, 4), field(12, 4)};
    default: return {field(0, 8), field(8, 8), field(16, 8), field(24, 8)};
    }
}

unsigned ReadLittleEndian(const Bytes& bytes, std::size_t nOffset, int nCount)
{
    unsigned v = 0;
    for (int i = nCount - 1; i >= 0; --i)
        v = v << 8 | bytes.at(nOffset + i);
    return v;
}

// Stored value of texel (x, y): the GE's addressing of a linear or swizzled buffer.
unsigned Fetch(const Bytes& bytes, int nBits, int nBufferWidth, bool bSwizzled, int x, int y)
{
    const std::size_t nRowBytes = static_cast<std::size_t>(nBufferWidth) * nBits / 8;
    const std::size_t nByte = static_cast<std::size_t>(x) * nBits / 8;
    std::size_t nOffset = y * nRowBytes + nByte;
    if (bSwizzled)
        nOffset = ((y / 8) * (nRowBytes / 16) + nByte / 16) * 128 + (y % 8) * 16 + nByte % 16;
    if (nBits == 4)
        return (bytes.at(nOffset) >> (x % 2 * 4)) & 15;
    return ReadLittleEndian(bytes, nOffset, nBits / 8);
}

int NextPow2(int n)
{
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}

int RoundUp(int n, int m)
{
    return (n + m - 1) / m * m;
}

struct Case {
    int nWidth, nHeight, nPsm;
    bool bSwizzle, bPow2, bPalette;
    int nClutPsm = k8888;
    int nThreshold = 128;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    const int kSizes[][2] = {{1, 1}, {3, 5}, {7, 9}, {33, 17}};
    for (const auto& size : kSizes) {
        for (int nPsm = 0; nPsm < 6; ++nPsm) {
            for (int nMode = 0; nMode < 4; ++nMode) {
                Case c{size[0], size[1], nPsm, (nMode & 1) != 0, (nMode & 2) != 0, nPsm >= kT4};
                c.nClutPsm = static_cast<int>(cases.size() % 4);
                // Palette images expanded to direct formats, and another threshold.
                c.bPalette = c.bPalette || (size[0] == 33 && nMode == 3);
                c.nThreshold = nMode == 2 ? 200 : 128;
                cases.push_back(c);
            }
        }
    }
    // The GE's largest size, with fewer combinations to keep compile time short.
    cases.push_back({512, 512, k5551, true, false, false});
    cases.push_back({512, 512, kT4, false, true, true, k4444});
    return cases;
}

unsigned Hash(unsigned n)
{
    n = (n ^ 61) ^ (n >> 16);
    n *= 9;
    n ^= n >> 4;
    n *= 0x27d4eb2d;
    return n ^ (n >> 15);
}

// A source image file: varied colours and alpha; a palette image uses
// 11 colours for t4 (short of a whole CLUT block) and 200 otherwise.
Bytes MakeSource(const Case& c, int nSeed)
{
    if (!c.bPalette) {
        return zandrel::test::MakeTrueColorBitmap(c.nWidth, c.nHeight, 32, [&](int x, int y) {
            const unsigned h = Hash(static_cast<unsigned>(nSeed * 1000003 + y * 4099 + x));
            return zandrel::test::Bgra{static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8),
                                       static_cast<std::uint8_t>(h >> 16), static_cast<std::uint8_t>(h >> 24)};
        });
    }
    const int nColors = c.nPsm == kT4 ? 11 : 200;
    zandrel::test::BitmapRecipe recipe;
    recipe.nWidth = c.nWidth;
    recipe.nHeight = c.nHeight;
    recipe.nBitCount = 8;
    recipe.nClrUsed = static_cast<std::uint32_t>(nColors);
    for (int i = 0; i < nColors; ++i) {
        const unsigned h = Hash(static_cast<unsigned>(nSeed * 7919 + i));
        recipe.palette.push_back({static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8),
                                  static_cast<std::uint8_t>(h >> 16), 0});
    }
    recipe.pixels = zandrel::test::StoreIndexedRows(c.nWidth, c.nHeight, false, [&](int x, int y) {
        return static_cast<std::uint8_t>(Hash(static_cast<unsigned>(nSeed * 31 + y * 613 + x)) % nColors);
    });
    return zandrel::test::BuildBitmap(recipe);
}

std::string RunAndCapture(const std::string& command)
{
    std::string out;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buf[65536];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        pclose(pipe);
    }
    return out;
}

// One dumped array: "<misalignment> <byte count> <hex bytes>".
Bytes ReadArray(std::istream& in, int* pMisalignment)
{
    std::size_t nCount = 0;
    in >> *pMisalignment >> nCount;
    Bytes bytes(nCount);
    for (auto& b : bytes) {
        unsigned v;
        in >> std::hex >> v >> std::dec;
        b = static_cast<std::uint8_t>(v);
    }
    return bytes;
}

TEST(TextureModelTest, EveryTexelIsTheSourceRoundedToNearest)
{
    const std::string compiler = ZANDREL_HOST_CC;
    if (compiler.empty())
        GTEST_SKIP() << "no host C compiler";
    zandrel::test::TempDir dir;
    const std::vector<Case> cases = Cases();
    std::string main = "#include <stdio.h>\n#include <stdint.h>\n"
                       "static void d(const void* p, unsigned long n) { const unsigned char* b = p; unsigned long i;"
                       " printf(\"%d %lu\", (int)((uintptr_t)p % 16), n);"
                       " for (i = 0; i < n; ++i) printf(\" %x\", b[i]); printf(\"\\n\"); }\n";
    std::string calls;
    std::FILE* pReports = std::tmpfile();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string name = std::string("t").append(std::to_string(i)), file = dir.File(name + ".bmp");
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, MakeSource(c, static_cast<int>(i))));
        std::vector<std::string> args{"zandrel-cli", "--format", kPsmNames[c.nPsm], "--name", name, "--outdir",
                                      dir.Path(), "--no-prefix", "--alpha-threshold", std::to_string(c.nThreshold)};
        if (c.nPsm >= kT4)
            args.insert(args.end(), {"--clut", kPsmNames[c.nClutPsm]});
        if (c.bSwizzle)
            args.push_back("--swizzle");
        if (c.bPow2)
            args.push_back("--pow2");
        args.push_back(file);
        std::vector<const char*> argv;
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        ASSERT_EQ(zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pReports, stderr), 0) << name;
        std::string upper = std::string("T").append(std::to_string(i));
        main += "#include \"" + name + ".c\"\n";
        calls += " d(" + name + ", sizeof " + name + "); printf(\"%d %d %d %d %d %d %d\\n\", " + upper +
                 "_WIDTH, " + upper + "_HEIGHT, " + upper + "_TEXTURE_WIDTH, " + upper + "_TEXTURE_HEIGHT, " +
                 upper + "_BUFFER_WIDTH, " + upper + "_PSM, " + upper + "_SWIZZLED);\n";
        if (c.nPsm >= kT4)
            calls += " d(" + name + "_clut, sizeof " + name + "_clut); printf(\"%d %d %d\\n\", " + upper +
                     "_CLUT_PSM, " + upper + "_CLUT_ENTRIES, " + upper + "_CLUT_BLOCKS);\n";
    }
    std::fclose(pReports);
    main += "int main(void) {\n" + calls + " return 0;\n}\n";
    ASSERT_TRUE(zandrel::test::WriteFileBytes(dir.File("main.c"), Bytes(main.begin(), main.end())));
    const std::string exe = dir.File("dump");
    ASSERT_EQ(RunAndCapture(compiler + " -std=c99 -Wall -Wextra -Werror -I'" + dir.Path() + "' -o '" + exe + "' '" +
                            dir.File("main.c") + "' 2>&1"),
              "");
    std::istringstream out(RunAndCapture("'" + exe + "'"));

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(std::string("t").append(std::to_string(i)) + ": " + std::to_string(c.nWidth) + "x" + std::to_string(c.nHeight) +
                     " " + kPsmNames[c.nPsm] + (c.bSwizzle ? " swizzle" : "") + (c.bPow2 ? " pow2" : ""));
        zandrel::DecodedImage source;
        ASSERT_EQ(zandrel::DecodeImageFile(CString(dir.File(std::string("t").append(std::to_string(i)) + ".bmp").c_str()),
                                           zandrel::InputFormats::kBmpOnly, &source),
                  zandrel::Refusal::kNone);
        int nMisalignment = -1;
        const Bytes texels = ReadArray(out, &nMisalignment);
        std::array<int, 7> macros{};
        for (int& m : macros)
            out >> m;
        const int nBits = kPsmBits[c.nPsm];
        const int nTexW = NextPow2(c.nWidth), nTexH = NextPow2(c.nHeight);
        const int nBufferWidth = RoundUp(c.bPow2 ? nTexW : c.nWidth, 128 / nBits);
        const int nRows = c.bSwizzle ? RoundUp(c.bPow2 ? nTexH : c.nHeight, 8) : c.bPow2 ? nTexH : c.nHeight;
        EXPECT_EQ(macros, (std::array<int, 7>{c.nWidth, c.nHeight, nTexW, nTexH, nBufferWidth, c.nPsm, c.bSwizzle}));
        EXPECT_EQ(nMisalignment, 0);
        ASSERT_EQ(texels.size(), static_cast<std::size_t>(nBufferWidth) * nBits / 8 * nRows);

        Bytes clut;
        std::array<int, 3> clutMacros{};
        const int nColors = c.nPsm == kT4 ? 11 : 200;
        if (c.nPsm >= kT4) {
            clut = ReadArray(out, &nMisalignment);
            for (int& m : clutMacros)
                out >> m;
            const int nEntryBytes = kPsmBits[c.nClutPsm] / 8;
            EXPECT_EQ(nMisalignment, 0);
            EXPECT_EQ(clutMacros, (std::array<int, 3>{c.nClutPsm, RoundUp(nColors, 32 / nEntryBytes),
                                                      static_cast<int>(clut.size() / 32)}));
            EXPECT_EQ(clut.size(), static_cast<std::size_t>(clutMacros[1] * nEntryBytes));
            for (std::size_t n = static_cast<std::size_t>(nColors) * nEntryBytes; n < clut.size(); ++n)
                EXPECT_EQ(clut[n], 0) << "CLUT padding byte " << n;
        }

        int nWrong = 0;
        std::string firstWrong;
        for (int y = 0; y < nRows; ++y) {
            for (int x = 0; x < nBufferWidth; ++x) {
                const unsigned v = Fetch(texels, nBits, nBufferWidth, c.bSwizzle, x, y);
                Rgba got{}, want{};
                if (x >= c.nWidth || y >= c.nHeight) {
                    got[0] = static_cast<int>(v);
                } else {
                    Rgba s;
                    if (source.nBitCount == 8) {
                        const auto& color = source.indexed.colors[source.indexed.indices.Data()[y * c.nWidth + x]];
                        s = {color.nRed, color.nGreen, color.nBlue, color.nAlpha};
                    } else {
                        const std::uint8_t* p = source.surface.m_pBits + y * source.surface.m_nStride + 4 * x;
                        s = {p[2], p[1], p[0], p[3]};
                    }
                    const bool bIndexed = c.nPsm >= kT4;
                    const int nClutEntryBytes = kPsmBits[c.nClutPsm] / 8;
                    got = bIndexed ? Decode(c.nClutPsm, ReadLittleEndian(clut, v * nClutEntryBytes, nClutEntryBytes))
                                   : Decode(c.nPsm, v);
                    want = Expected(bIndexed ? c.nClutPsm : c.nPsm, s, c.nThreshold);
                }
                if (got != want && nWrong++ == 0)
                    firstWrong = std::string("texel ").append(std::to_string(x)) + "," + std::to_string(y);
            }
        }
        EXPECT_EQ(nWrong, 0) << "first: " << firstWrong;
    }
}

}  // namespace
#endif

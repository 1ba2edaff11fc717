// A model of the GE's texture fetch, apart from the writer: the host C compiler reads the arrays and macros
// back; the model unswizzles, widens by bit replication and looks up the CLUT. Every texel must equal the
// source pixel rounded to nearest (indices beyond the palette: transparent black); padding must be 0.
// Sizes are taken where only the headers are seen, so sizeof and the size macros are the headers'.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "convert/image_file.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::test::Bytes;
using Rgba = std::array<int, 4>;
enum Psm { k5650, k5551, k4444, k8888, kT4, kT8 };
const char* const kPsmNames[] = {"5650", "5551", "4444", "8888", "t4", "t8"};
const int kPsmBits[] = {16, 16, 16, 32, 4, 8};

int Widen(int q, int nBits)
{
    return nBits == 8 ? q : nBits == 4 ? q * 17 : (q << (8 - nBits)) | (q >> (2 * nBits - 8));
}

// The widened value nearest to v among all n-bit values, the smaller on a tie.
int Nearest(int v, int nBits)
{
    int nBest = 0;
    for (int q = 0; q < (1 << nBits); ++q)
        nBest = std::abs(Widen(q, nBits) - v) < std::abs(Widen(nBest, nBits) - v) ? q : nBest;
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
    return nCount == 1 ? bytes.at(nOffset) : nCount == 2 ? bytes.at(nOffset) | bytes.at(nOffset + 1) << 8
                                                         : ReadLittleEndian(bytes, nOffset, 2) | ReadLittleEndian(bytes, nOffset + 2, 2) << 16;
}

// Stored value of texel (x, y): the GE's addressing of a linear or swizzled buffer.
unsigned Fetch(const Bytes& bytes, int nBits, std::size_t nRowBytes, bool bSwizzled, int x, int y)
{
    const std::size_t nByte = static_cast<std::size_t>(x) * nBits / 8;
    const std::size_t nOffset = bSwizzled ? ((y / 8) * (nRowBytes / 16) + nByte / 16) * 128 + (y % 8) * 16 + nByte % 16
                                          : y * nRowBytes + nByte;
    return nBits == 4 ? (bytes.at(nOffset) >> (x % 2 * 4)) & 15 : ReadLittleEndian(bytes, nOffset, nBits / 8);
}

struct Case {
    int nWidth, nHeight, nPsm;
    bool bSwizzle, bPow2, bPalette;
    int nClutPsm = k8888, nThreshold = 128;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (const auto& size : {std::array<int, 2>{1, 1}, {3, 5}, {7, 9}, {33, 17}}) {
        for (int nPsm = 0; nPsm < 6; ++nPsm) {
            for (int nMode = 0; nMode < 4; ++nMode) {
                // 33 x 17 with swizzle and pow2: palette images expanded to direct formats.
                cases.push_back({size[0], size[1], nPsm, (nMode & 1) != 0, (nMode & 2) != 0,
                                 nPsm >= kT4 || (size[0] == 33 && nMode == 3), static_cast<int>(cases.size() % 4),
                                 nMode == 2 ? 200 : 128});
            }
        }
    }
    // The GE's largest size: every format once, swizzle and pow2 in turn, to keep compile time short.
    for (int nPsm = 0; nPsm < 6; ++nPsm)
        cases.push_back({512, 512, nPsm, nPsm % 2 == 0, nPsm % 3 != 0, nPsm >= kT4 || nPsm == k5650, nPsm % 4});
    return cases;
}

// Varied colours and alpha; a palette image has 11 colours for t4 (short of a
// whole CLUT block) and 200 otherwise.
Bytes MakeSource(const Case& c, unsigned nSeed)
{
    auto pixel = [&](int x, int y) {
        const unsigned n = (nSeed * 1000003 + y * 4099 + x) * 2654435761u;
        return zandrel::test::Bgra{std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n ^ n >> 20)};
    };
    if (!c.bPalette)
        return zandrel::test::MakeTrueColorBitmap(c.nWidth, c.nHeight, 32, pixel);
    const int nColors = c.nPsm == kT4 ? 11 : 200;
    std::vector<zandrel::test::Bgra> palette(1);  // black first: no key, nothing cleared
    for (int i = 1; i < nColors; ++i)
        palette.push_back(pixel(i, -1));
    return zandrel::test::BuildBitmap({.nWidth = c.nWidth, .nHeight = c.nHeight, .nBitCount = 8,
        .nClrUsed = static_cast<std::uint32_t>(nColors), .palette = palette,
        .pixels = zandrel::test::StoreIndexedRows(c.nWidth, c.nHeight, false,
                                                  [&](int x, int y) { return pixel(x, y)[0] % (nColors + 3); })});
}

// One dumped array: "<misalignment> <byte count> <hex bytes>", then its macros.
template <std::size_t N>
Bytes ReadArray(std::istream& in, int* pMisalignment, std::array<int, N>* pMacros)
{
    std::size_t nCount = 0;
    in >> *pMisalignment >> nCount >> std::hex;
    Bytes bytes(nCount);
    for (unsigned v; auto& b : bytes)
        b = static_cast<std::uint8_t>((in >> v, v));
    in >> std::dec;
    for (int& nMacro : *pMacros)
        in >> nMacro;
    return bytes;
}

TEST(TextureModelTest, EveryTexelIsTheSourceRoundedToNearest)
{
    const std::string compiler = ZANDREL_HOST_CC;
    if (compiler.empty())
        GTEST_SKIP() << "no host C compiler";
    zandrel::test::TempDir dir;
    const std::vector<Case> cases = Cases();
    auto RoundUp = [](int n, int m) { return (n + m - 1) / m * m; };
    std::string main = "#include <stdio.h>\n#include <stdint.h>\n"
                       "static void d(const void* p, unsigned long n) { const unsigned char* b = p; unsigned long i;"
                       " printf(\" %d %lu\", (int)((uintptr_t)p % 16), n); for (i = 0; i < n; ++i) printf(\" %x\", b[i]); }\n"
                       "#define M(n, m) printf(\" %d\", n##_##m);\n"
                       "#define T(t, n) d(t, sizeof t); M(n, WIDTH) M(n, HEIGHT) M(n, TEXTURE_WIDTH) "
                       "M(n, TEXTURE_HEIGHT) M(n, BUFFER_WIDTH) M(n, PSM) M(n, SWIZZLED) M(n, STORED_HEIGHT) M(n, BYTES)\n"
                       "#define C(t, n) d(t, sizeof t); M(n, CLUT_PSM) M(n, CLUT_ENTRIES) M(n, CLUT_BLOCKS) M(n, CLUT_BYTES)\n";
    std::string calls, sources;
    std::FILE* pReports = std::tmpfile();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string n = std::to_string(i), file = dir.File(n + ".bmp");
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, MakeSource(c, static_cast<unsigned>(i))));
        std::vector<const char*> argv{"zandrel-cli", "--format", kPsmNames[c.nPsm], "--outdir", dir.Path().c_str(),
                                      "--no-prefix", c.bSwizzle ? "--swizzle" : "--no-prefix",
                                      c.bPow2 ? "--pow2" : "--no-prefix", file.c_str()};
        if (c.nPsm >= kT4)
            argv.insert(argv.begin() + 1, {"--clut", kPsmNames[c.nClutPsm]});
        if ((c.nPsm >= kT4 ? c.nClutPsm : c.nPsm) == k5551)
            argv.insert(argv.begin() + 1, {"--alpha-threshold", c.nThreshold == 128 ? "128" : "200"});
        ASSERT_EQ(zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pReports, stderr), 0) << n;
        main += "#include \"" + n + ".h\"\n";
        sources += "#include \"" + n + ".c\"\n";
        calls += " T(_" + n + ", _" + n + ")" + (c.nPsm >= kT4 ? " C(_" + n + "_clut, _" + n + ")\n" : "\n");
    }
    std::fclose(pReports);
    main += "int main(void) {\n" + calls + " return 0;\n}\n" + sources;
    ASSERT_TRUE(zandrel::test::WriteFileBytes(dir.File("main.c"), Bytes(main.begin(), main.end())));
    const std::string exe = dir.File("dump"), dump = dir.File("dump.txt");
    ASSERT_EQ(std::system((compiler + " -std=c99 -Wall -Werror -I'" + dir.Path() + "' -o '" + exe + "' '" +
                           dir.File("main.c") + "' && '" + exe + "' > '" + dump + "'").c_str()), 0);
    const Bytes dumped = zandrel::test::ReadFileBytes(dump).value_or(Bytes{});
    std::istringstream out(std::string(dumped.begin(), dumped.end()));

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        zandrel::DecodedImage source;
        int nDetail = 0;
        ASSERT_EQ(zandrel::DecodeImageFile(CString(dir.File(std::to_string(i) + ".bmp").c_str()),
                                           zandrel::kBmpOnly, &source, &nDetail), zandrel::Refusal::kNone);
        int nMisalignment = 0;
        std::array<int, 9> macros{};  // WIDTH, HEIGHT, TEXTURE_WIDTH, TEXTURE_HEIGHT, BUFFER_WIDTH, PSM, SWIZZLED,
                                      // STORED_HEIGHT, BYTES
        const Bytes texels = ReadArray(out, &nMisalignment, &macros);
        const int nBits = kPsmBits[c.nPsm], nTexW = static_cast<int>(std::bit_ceil(unsigned(c.nWidth))),
                  nTexH = static_cast<int>(std::bit_ceil(unsigned(c.nHeight)));
        const int nBufferWidth = RoundUp(c.bPow2 ? nTexW : c.nWidth, 128 / nBits);
        const int nRows = RoundUp(c.bPow2 ? nTexH : c.nHeight, c.bSwizzle ? 8 : 1);
        EXPECT_EQ(nMisalignment, 0) << "texels not 16-byte aligned";
        const int nBytes = nBufferWidth * nBits / 8 * nRows;
        EXPECT_EQ(macros, (std::array<int, 9>{c.nWidth, c.nHeight, nTexW, nTexH, nBufferWidth, c.nPsm, c.bSwizzle,
                                              nRows, nBytes}));
        ASSERT_EQ(texels.size(), static_cast<std::size_t>(nBytes));

        Bytes clut;
        const int nColors = c.nPsm == kT4 ? 11 : 200, nEntryBytes = kPsmBits[c.nClutPsm] / 8;
        const bool bIndexed = c.nPsm >= kT4;
        if (bIndexed) {
            std::array<int, 4> clutMacros{};  // CLUT_PSM, CLUT_ENTRIES, CLUT_BLOCKS, CLUT_BYTES
            clut = ReadArray(out, &nMisalignment, &clutMacros);
            EXPECT_EQ(nMisalignment, 0) << "CLUT not 16-byte aligned";
            const std::uint8_t* pIndices = source.indexed.indices.Data();
            const int nUsed = std::max(nColors, 1 + *std::max_element(pIndices, pIndices + c.nWidth * c.nHeight));
            EXPECT_EQ(clutMacros, (std::array<int, 4>{c.nClutPsm, RoundUp(nUsed, 32 / nEntryBytes),
                                                      static_cast<int>(clut.size() / 32),
                                                      RoundUp(nUsed, 32 / nEntryBytes) * nEntryBytes}));
            EXPECT_EQ(clut.size(), static_cast<std::size_t>(clutMacros[1] * nEntryBytes));
            for (std::size_t n = static_cast<std::size_t>(nColors) * nEntryBytes; n < clut.size(); ++n)
                EXPECT_EQ(clut[n], 0) << "CLUT padding byte " << n;
        }

        int nWrong = 0, nFirstWrongX = -1, nFirstWrongY = -1;
        for (int y = 0; y < nRows; ++y) {
            for (int x = 0; x < nBufferWidth; ++x) {
                const unsigned v = Fetch(texels, nBits, texels.size() / nRows, c.bSwizzle, x, y);
                Rgba got{static_cast<int>(v)}, want{};
                if (x < c.nWidth && y < c.nHeight) {
                    Rgba s;
                    if (const std::uint8_t* p = source.trueColor.pixels.Data()) {
                        p += (y * c.nWidth + x) * 4;
                        s = {p[2], p[1], p[0], p[3]};
                    } else {
                        const int nIndex = source.indexed.indices.Data()[y * c.nWidth + x];
                        const auto& color = source.indexed.colors[nIndex];
                        s = nIndex < nColors ? Rgba{color.nRed, color.nGreen, color.nBlue, color.nAlpha} : Rgba{};
                    }
                    got = bIndexed ? Decode(c.nClutPsm, ReadLittleEndian(clut, v * nEntryBytes, nEntryBytes))
                                   : Decode(c.nPsm, v);
                    want = Expected(bIndexed ? c.nClutPsm : c.nPsm, s, c.nThreshold);
                }
                if (got != want && nWrong++ == 0)
                    nFirstWrongX = x, nFirstWrongY = y;
            }
        }
        EXPECT_EQ(nWrong, 0) << "first wrong texel: " << nFirstWrongX << "," << nFirstWrongY;
    }
}

// Palette textures from true-colour images, read back from the .bin files the GE loads: every index below
// _CLUT_COLORS, transparent pixels on a transparent entry and no opaque pixel on one, and the lossless oracle:
// an image of at most N colours after rounding to the CLUT comes back exactly, dithered or not.
int HeaderMacro(const std::string& header, const std::string& name)
{
    const std::size_t nAt = header.find(name + " ");
    return nAt == std::string::npos ? -1 : std::atoi(header.c_str() + nAt + name.size() + 1);
}

TEST(TextureModelTest, QuantisedTexelsAreValidAndFewColoursExact)
{
    zandrel::test::TempDir dir;
    std::FILE* pReports = std::tmpfile();
    int nCase = 0;
    for (const int nPsm : {kT4, kT8}) {
        for (int nClutPsm = 0; nClutPsm < 4; ++nClutPsm) {
            // 0: one colour a pixel; -12: a palette image of 40 opaque entries using the first 12.
            for (const int nColors : {2, 5, 16, 40, 0, -12}) {
                for (const bool bDither : {false, true}) {
                    const int nLimit = nPsm == kT4 ? 16 : 256;
                    const bool bFew = nColors != 0 && std::abs(nColors) <= nLimit;
                    std::string n = "q";
                    n += std::to_string(nCase++);
                    SCOPED_TRACE(n);
                    const auto color = [&](int k) {
                        const unsigned v = (static_cast<unsigned>(k) * 2654435761u) ^ static_cast<unsigned>(nCase);
                        // Every fourth colour transparent, some half transparent.
                        const std::uint8_t a = nColors < 0 ? 255 : k % 4 == 1 ? 0 : k % 4 == 2 ? std::uint8_t(v >> 3) : 255;
                        return zandrel::test::Bgra{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), a};
                    };
                    const int nWidth = 23, nHeight = 11;
                    const auto which = [&](int x, int y) { return nColors ? (x * 7 + y * 3) % std::abs(nColors) : y * nWidth + x; };
                    std::vector<zandrel::test::Bgra> palette;
                    for (int k = 0; k < 40; ++k) {  // the unused entries near the used ones, for dithering to avoid
                        palette.push_back(color(k % 12));
                        palette.back()[2] = std::uint8_t(palette.back()[2] ^ (k / 12 * 6));
                    }
                    const Bytes bitmap = nColors >= 0 ? zandrel::test::MakeTrueColorBitmap(nWidth, nHeight, 32, [&](int x, int y) { return color(which(x, y)); })
                        : zandrel::test::BuildBitmap({.nWidth = nWidth, .nHeight = nHeight, .nBitCount = 8, .nClrUsed = 40, .palette = palette,
                              .pixels = zandrel::test::StoreIndexedRows(nWidth, nHeight, false, [&](int x, int y) { return std::uint8_t(which(x, y)); })});
                    const std::string file = dir.File(n + ".bmp");
                    ASSERT_TRUE(zandrel::test::WriteFileBytes(file, bitmap));
                    std::vector<const char*> argv{"zandrel-cli", "--format", kPsmNames[nPsm], "--clut",
                                                  kPsmNames[nClutPsm], "--binary", "--no-prefix", "--outdir",
                                                  dir.Path().c_str(), file.c_str()};
                    if (bDither)
                        argv.insert(argv.begin() + 1, "--dither");
                    ASSERT_EQ(zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pReports, stderr), 0);

                    const Bytes headerBytes = zandrel::test::ReadFileBytes(dir.File(n + ".h")).value_or(Bytes{});
                    const std::string header(headerBytes.begin(), headerBytes.end());
                    const Bytes texels = zandrel::test::ReadFileBytes(dir.File(n + ".bin")).value_or(Bytes{});
                    const Bytes clut = zandrel::test::ReadFileBytes(dir.File(n + "_clut.bin")).value_or(Bytes{});
                    std::string prefix = n;
                    std::transform(prefix.begin(), prefix.end(), prefix.begin(), [](char c) { return char(std::toupper(c)); });
                    const int nInUse = HeaderMacro(header, std::string(prefix).append("_CLUT_COLORS"));
                    const int nBufferWidth = HeaderMacro(header, std::string(prefix).append("_BUFFER_WIDTH"));
                    const int nEntryBytes = kPsmBits[nClutPsm] / 8;
                    ASSERT_GT(nInUse, 0);
                    ASSERT_LE(nInUse, nLimit);
                    ASSERT_GE(clut.size(), static_cast<std::size_t>(nInUse * nEntryBytes));
                    ASSERT_EQ(texels.size(), static_cast<std::size_t>(nBufferWidth * kPsmBits[nPsm] / 8 * nHeight));
                    int nWrong = 0;
                    for (int y = 0; y < nHeight; ++y) {
                        for (int x = 0; x < nWidth; ++x) {
                            const unsigned nIndex = Fetch(texels, kPsmBits[nPsm], texels.size() / nHeight, false, x, y);
                            ASSERT_LT(nIndex, static_cast<unsigned>(nInUse)) << x << "," << y;
                            const Rgba got = Decode(nClutPsm, ReadLittleEndian(clut, nIndex * nEntryBytes, nEntryBytes));
                            const zandrel::test::Bgra p = color(which(x, y));
                            const Rgba want = Expected(nClutPsm, {p[2], p[1], p[0], p[3]}, 128);
                            // Transparency is never lost, nor made for an opaque pixel (a faint one may
                            // come nearest to the transparent entry).
                            if ((want[3] == 0 && got[3] != 0) || (p[3] == 255 && got[3] == 0))
                                ++nWrong;
                            else if (bFew && want[3] != 0 && got != want)
                                ++nWrong;
                        }
                    }
                    EXPECT_EQ(nWrong, 0);
                }
            }
        }
    }
    std::fclose(pReports);
}

// The default output's headers: sizeof and the size macros where only the header is seen, then the .c
// after it, so a size the .c does not define is a compile error.
TEST(DefaultHeaderTest, SizesAreTheArraysOfTheSource)
{
    const std::string compiler = ZANDREL_HOST_CC;
    if (compiler.empty())
        GTEST_SKIP() << "no host C compiler";
    zandrel::test::TempDir dir;
    const auto pixel = [](int x, int y) { return zandrel::test::Bgra{std::uint8_t(x), std::uint8_t(y), 9, 200}; };
    const auto indices = zandrel::test::StoreIndexedRows(5, 3, false, [](int x, int) { return std::uint8_t(x); });
    // Sizes: 2 bytes a pixel (1 an index); the second array 1 byte a pixel (alpha) or 2 an entry (palette).
    const struct {
        std::string name, check;
        Bytes bitmap;
    } cases[] = {
        {"rgb", "sizeof rgb == RGB_BYTES && RGB_BYTES == 30 && RGB_STORED_HEIGHT == 5",
         zandrel::test::MakeTrueColorBitmap(3, 5, 24, pixel)},
        {"rgba", "sizeof rgba == RGBA_BYTES && RGBA_BYTES == 28 && sizeof rgba_alpha == RGBA_ALPHA_BYTES && "
                 "RGBA_ALPHA_BYTES == 14 && RGBA_STORED_HEIGHT == 2", zandrel::test::MakeTrueColorBitmap(7, 2, 32, pixel)},
        {"pal", "sizeof pal == PAL_BYTES && PAL_BYTES == 15 && sizeof pal_palette == PAL_PALETTE_BYTES && "
                "PAL_PALETTE_BYTES == 14 && PAL_STORED_HEIGHT == 3",
         zandrel::test::BuildBitmap({.nWidth = 5, .nHeight = 3, .nBitCount = 8, .nClrUsed = 7,
                                     .palette = std::vector(7, zandrel::test::Bgra{1, 2, 3, 0}), .pixels = indices})},
    };
    std::string program;
    std::FILE* pReports = std::tmpfile();
    for (const auto& c : cases) {
        const std::string file = dir.File(c.name + ".bmp");
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, c.bitmap));
        const char* argv[] = {"zandrel-cli", "--header", "--no-prefix", "--outdir", dir.Path().c_str(), file.c_str()};
        ASSERT_EQ(zandrel::RunCli(6, argv, pReports, stderr), 0) << c.name;
        program += "#include \"" + c.name + ".h\"\n_Static_assert(" + c.check + ", \"" + c.name + "\");\n#include \"" +
                   c.name + ".c\"\n";
    }
    std::fclose(pReports);
    ASSERT_TRUE(zandrel::test::WriteFileBytes(dir.File("sizes.c"), Bytes(program.begin(), program.end())));
    EXPECT_EQ(std::system((compiler + " -std=c11 -Wall -Werror -fsyntax-only -I'" + dir.Path() + "' '" +
                           dir.File("sizes.c") + "'").c_str()), 0) << program;
}

}  // namespace
#endif

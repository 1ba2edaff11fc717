// A model of the GE's texture fetch, apart from the writer (fuzz/ge_model.h): the host C compiler reads the
// arrays and macros back; the model unswizzles, widens by bit replication and looks up the CLUT. Every texel
// must equal the source pixel rounded to nearest (indices beyond the palette: transparent black); a
// true-colour image quantised to t4/t8 has every index below _CLUT_COLORS, keeps its transparency and, of at
// most the CLUT's colours, comes back exactly, dithered or not; padding must be 0.
// Sizes are taken where only the headers are seen, so sizeof and the size macros are the headers'.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>

#include "cli/cli.h"
#include "convert/image_file.h"
#include "ge_model.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::fuzz::GeDecode;
using zandrel::fuzz::GeFetch;
using zandrel::fuzz::GeReadLittleEndian;
using zandrel::fuzz::GeRounded;
using zandrel::test::Bytes;
using Rgba = zandrel::fuzz::GeRgba;
enum Psm { k5650, k5551, k4444, k8888, kT4, kT8 };
const char* const kPsmNames[] = {"5650", "5551", "4444", "8888", "t4", "t8"};
const int kPsmBits[] = {16, 16, 16, 32, 4, 8};

struct Case {
    int nWidth, nHeight, nPsm;
    bool bSwizzle, bPow2, bPalette;
    int nClutPsm = k8888, nThreshold = 128;
    int nQuantised = 0;  // a true-colour image to t4/t8: its colours, -1 for one a pixel
    bool bDither = false;
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
                                 nMode == 2 ? 200 : nMode == 3 ? 0 : 128});
            }
        }
    }
    // The GE's largest size: every format once, swizzle and pow2 in turn, to keep compile time short.
    for (int nPsm = 0; nPsm < 6; ++nPsm)
        cases.push_back({512, 512, nPsm, nPsm % 2 == 0, nPsm % 3 != 0, nPsm >= kT4 || nPsm == k5650, nPsm % 4});
    // True colour quantised in each CLUT format, dithered and not; t4 with as many colours as it holds.
    for (const int nPsm : {kT4, kT8}) {
        for (int nClutPsm = 0; nClutPsm < 4; ++nClutPsm) {
            for (const bool bDither : {false, true})
                cases.push_back({23, 11, nPsm, bDither, false, false, nClutPsm, 128,
                                 nClutPsm == k4444 && bDither ? -1 : nPsm == kT4 ? 16 - nClutPsm : 40 + 50 * nClutPsm,
                                 bDither});
        }
    }
    return cases;
}

// Varied colours and alpha; a palette image has 11 colours for t4 (short of a whole CLUT block) and 200
// otherwise; a quantised one its colours on the CLUT's levels, every fourth transparent, some half.
Bytes MakeSource(const Case& c, unsigned nSeed)
{
    auto pixel = [&](int x, int y) {
        const unsigned n = (nSeed * 1000003 + y * 4099 + x) * 2654435761u;
        return zandrel::test::Bgra{std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n ^ n >> 20)};
    };
    if (c.nQuantised) {
        return zandrel::test::MakeTrueColorBitmap(c.nWidth, c.nHeight, 32, [&](int x, int y) {
            const int k = c.nQuantised < 0 ? y * c.nWidth + x : (x * 7 + y * 3) % c.nQuantised;
            const zandrel::test::Bgra p = pixel(k, -1);
            const int nAlpha = k % 4 == 1 ? 0 : k % 4 == 2 ? p[3] : 255;
            const Rgba s = GeRounded(c.nClutPsm, {p[2], p[1], p[0], nAlpha}, c.nThreshold);
            return zandrel::test::Bgra{std::uint8_t(s[2]), std::uint8_t(s[1]), std::uint8_t(s[0]), std::uint8_t(s[3])};
        });
    }
    if (!c.bPalette)
        return zandrel::test::MakeTrueColorBitmap(c.nWidth, c.nHeight, 32, pixel);
    const int nColors = c.nPsm == kT4 ? 11 : 200;
    std::vector<zandrel::test::Bgra> palette(1);  // black first: no key, nothing cleared
    for (int i = 1; i < nColors; ++i)
        palette.push_back(pixel(i, -1));
    return zandrel::test::BuildBitmap({.nWidth = c.nWidth, .nHeight = c.nHeight, .nBitCount = 8,
        .nClrUsed = static_cast<std::uint32_t>(nColors), .palette = palette,
        .pixels = zandrel::test::StoreIndexedRows(c.nWidth, c.nHeight, false,
                                                  [&](int x, int y) { return x == 0 && y == 0 ? nColors + 1 : pixel(x, y)[0] % (nColors + 3); })});
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
    // d(array, size) prints "<misalignment> <byte count> <hex bytes>", M a macro.
    std::string main = "#include <stdio.h>\n#include <stdint.h>\n"
                       "static void d(const void* p, unsigned long n) { const unsigned char* b = p; unsigned long i;"
                       " printf(\" %d %lu\", (int)((uintptr_t)p % 16), n); for (i = 0; i < n; ++i) printf(\" %x\", b[i]); }\n"
                       "#define M(n, m) printf(\" %d\", n##_##m);\n"
                       "#define T(t, n) d(t, sizeof t); M(n, WIDTH) M(n, HEIGHT) M(n, TEXTURE_WIDTH) "
                       "M(n, TEXTURE_HEIGHT) M(n, BUFFER_WIDTH) M(n, PSM) M(n, SWIZZLED) M(n, STORED_HEIGHT) M(n, BYTES)\n"
                       "#define C(t, n) d(t, sizeof t); M(n, CLUT_PSM) M(n, CLUT_ENTRIES) M(n, CLUT_COLORS) "
                       "M(n, CLUT_BLOCKS) M(n, CLUT_BYTES)\n";
    std::string calls, sources;
    std::FILE* pReports = std::tmpfile();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string n = std::to_string(i), file = dir.File(n + ".bmp"), threshold = std::to_string(c.nThreshold);
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, MakeSource(c, static_cast<unsigned>(i))));
        std::vector<const char*> argv{"zandrel-cli", "--format", kPsmNames[c.nPsm], "--outdir", dir.Path().c_str(),
                                      "--no-prefix", c.bSwizzle ? "--swizzle" : "--no-prefix",
                                      c.bPow2 ? "--pow2" : "--no-prefix", c.bDither ? "--dither" : "--no-prefix",
                                      file.c_str()};
        if (c.nPsm >= kT4)
            argv.insert(argv.begin() + 1, {"--clut", kPsmNames[c.nClutPsm]});
        if ((c.nPsm >= kT4 ? c.nClutPsm : c.nPsm) == k5551)
            argv.insert(argv.begin() + 1, {"--alpha-threshold", threshold.c_str()});
        ASSERT_EQ(zandrel::RunCli(static_cast<int>(argv.size()), argv.data(), pReports, stderr), 0) << n;
        main += "#include \"" + n + ".h\"\n";
        sources += "#include \"" + n + ".c\"\n";
        calls += " T(_" + n + ", _" + n + ")" + (c.nPsm >= kT4 ? " C(_" + n + "_clut, _" + n + ")\n" : "\n");
    }
    std::fclose(pReports);
    // Built with the host compiler, warnings as errors, and run.
    const std::string program = main + "int main(void) {\n" + calls + " return 0;\n}\n" + sources;
    ASSERT_TRUE(zandrel::test::WriteFileBytes(dir.File("main.c"), Bytes(program.begin(), program.end())));
    ASSERT_EQ(std::system((compiler + " -std=c99 -Wall -Werror -I'" + dir.Path() + "' -o '" + dir.File("main") + "' '" +
                           dir.File("main.c") + "' && '" + dir.File("main") + "' > '" + dir.File("dump.txt") + "'").c_str()), 0);
    const Bytes dumped = zandrel::test::ReadFileBytes(dir.File("dump.txt")).value_or(Bytes{});
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
        int nInUse = 0;
        if (bIndexed) {
            std::array<int, 5> clutMacros{};  // CLUT_PSM, CLUT_ENTRIES, CLUT_COLORS, CLUT_BLOCKS, CLUT_BYTES
            clut = ReadArray(out, &nMisalignment, &clutMacros);
            EXPECT_EQ(nMisalignment, 0) << "CLUT not 16-byte aligned";
            nInUse = clutMacros[2];
            const std::uint8_t* pIndices = source.indexed.indices.Data();
            const int nUsed = c.nQuantised ? nInUse
                                           : std::max(nColors, 1 + *std::max_element(pIndices, pIndices + c.nWidth * c.nHeight));
            EXPECT_TRUE(nInUse > 0 && nInUse <= (c.nPsm == kT4 ? 16 : 256)) << nInUse;
            EXPECT_EQ(clutMacros, (std::array<int, 5>{c.nClutPsm, RoundUp(nUsed, 32 / nEntryBytes), nInUse,
                                                      static_cast<int>(clut.size() / 32),
                                                      RoundUp(nUsed, 32 / nEntryBytes) * nEntryBytes}));
            EXPECT_EQ(clut.size(), static_cast<std::size_t>(clutMacros[1] * nEntryBytes));
            for (std::size_t n = static_cast<std::size_t>(c.nQuantised ? nInUse : nColors) * nEntryBytes; n < clut.size(); ++n)
                EXPECT_EQ(clut[n], 0) << "CLUT padding byte " << n;
        }

        int nWrong = 0, nFirstWrongX = -1, nFirstWrongY = -1;
        for (int y = 0; y < nRows; ++y) {
            for (int x = 0; x < nBufferWidth; ++x) {
                const unsigned v = GeFetch(texels, nBits, texels.size() / nRows, c.bSwizzle, x, y);
                Rgba got{static_cast<int>(v)}, want{};
                if (x < c.nWidth && y < c.nHeight) {
                    Rgba s{};
                    bool bPastPalette = false;  // then the zero texel or entry, transparent black but in 5650
                    if (const std::uint8_t* p = source.trueColor.pixels.Data()) {
                        p += (y * c.nWidth + x) * 4;
                        s = {p[2], p[1], p[0], p[3]};
                    } else {
                        const int nIndex = source.indexed.indices.Data()[y * c.nWidth + x];
                        const auto& color = source.indexed.colors[nIndex];
                        bPastPalette = nIndex >= nColors;
                        s = bPastPalette ? s : Rgba{color.nRed, color.nGreen, color.nBlue, color.nAlpha};
                    }
                    got = bIndexed ? GeDecode(c.nClutPsm, GeReadLittleEndian(clut, v * nEntryBytes, nEntryBytes))
                                   : GeDecode(c.nPsm, v);
                    want = bPastPalette ? GeDecode(bIndexed ? c.nClutPsm : c.nPsm, 0)
                                        : GeRounded(bIndexed ? c.nClutPsm : c.nPsm, s, c.nThreshold);
                    if (c.nQuantised && want[3] == 0)
                        want = Rgba{};  // a quantised CLUT has one transparent entry, transparent black
                    // Of many colours: transparency neither lost nor made for an opaque pixel (a faint one may
                    // come nearest to the transparent entry).
                    if (c.nQuantised < 0)
                        got = (want[3] == 0 && got[3] != 0) || (s[3] == 255 && got[3] == 0) ? Rgba{-1} : want;
                    if (bIndexed && v >= static_cast<unsigned>(nInUse))
                        got = Rgba{-1};
                }
                if (got != want && nWrong++ == 0)
                    nFirstWrongX = x, nFirstWrongY = y;
            }
        }
        EXPECT_EQ(nWrong, 0) << "first wrong texel: " << nFirstWrongX << "," << nFirstWrongY;
    }
}

// Mip chains read back from the .bin by the header's macros: level 0 is the source (--pow2 padding
// transparent black), each level below the one above reduced by the rule in 8 bits (GeReducedMip), then
// rounded for the format (t4: the nearest entry).
int HeaderMacro(const std::string& header, const std::string& name)
{
    const std::size_t nAt = header.find(name + " ");
    return nAt == std::string::npos ? -1 : std::atoi(header.c_str() + nAt + name.size() + 1);
}

TEST(TextureModelTest, EachMipLevelIsTheOneAboveReduced)
{
    zandrel::test::TempDir dir;
    std::FILE* pReports = std::tmpfile();
    std::vector<zandrel::test::Bgra> palette;  // of every source; t4 levels show the nearest entry
    for (unsigned v = 2654435761u; palette.size() < 16; v *= 2654435761u)
        palette.push_back({std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), 0});
    const auto entry = [](const zandrel::test::Bgra& p) { return Rgba{p[2], p[1], p[0], 255}; };
    const auto nearest = [&](const Rgba& t) {
        const auto distance = [&](const zandrel::test::Bgra& p) {
            return (p[2] - t[0]) * (p[2] - t[0]) + (p[1] - t[1]) * (p[1] - t[1]) + (p[0] - t[2]) * (p[0] - t[2]);
        };
        return entry(*std::min_element(palette.begin(), palette.end(),
                                       [&](const auto& a, const auto& b) { return distance(a) < distance(b); }));
    };
    // 16 x 8 as it stands; 24 x 10 and 12 x 5 padded to 32 x 16 and 16 x 8; t4 128 x 64 (7 levels below).
    for (const auto& [nPsm, nWidth, nHeight, pszOption] :
         {std::tuple{k8888, 16, 8, "--no-const"}, {k5551, 24, 10, "--swizzle"}, {k4444, 12, 5, "--pow2"},
          {kT4, 128, 64, "--swizzle"}, {kT4, 16, 8, "--no-const"}}) {
        const int nTexW = int(std::bit_ceil(unsigned(nWidth))), nLevels = std::min(8, int(std::bit_width(unsigned(nTexW))));
        const std::string n = std::to_string(nPsm * 1000 + nWidth), prefix = "_" + n, file = dir.File(n + ".bmp");
        Bytes level(std::size_t(nTexW * nTexW / 2) * 4);  // the source as it is read, padded: red first
        const auto index = [&](int x, int y) {
            const unsigned k = unsigned(x * x + y * 7 + x * y * 3) % 16;
            const Rgba t = entry(palette[k]);
            std::copy(t.begin(), t.end(), level.begin() + (y * nTexW + x) * 4);
            return std::uint8_t(k);
        };
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, zandrel::test::BuildBitmap({.nWidth = nWidth,
            .nHeight = nHeight, .nBitCount = 8, .nClrUsed = 16, .palette = palette,
            .pixels = zandrel::test::StoreIndexedRows(nWidth, nHeight, false, index)})));
        const char* argv[] = {"zandrel-cli", "--format", kPsmNames[nPsm], "--mipmaps", "max", "--binary", "--pow2",
                              "--no-prefix", "--outdir", dir.Path().c_str(), pszOption, file.c_str()};
        ASSERT_EQ(zandrel::RunCli(12, argv, pReports, stderr), 0);
        const Bytes bin = zandrel::test::ReadFileBytes(dir.File(n + ".bin")).value_or(Bytes{});
        const Bytes clut = zandrel::test::ReadFileBytes(dir.File(n + "_clut.bin")).value_or(Bytes(64));
        const Bytes headerBytes = zandrel::test::ReadFileBytes(dir.File(n + ".h")).value_or(Bytes{});
        const std::string header(headerBytes.begin(), headerBytes.end());
        ASSERT_EQ(HeaderMacro(header, prefix + "_LEVELS"), nLevels);
        std::size_t nOffset = 0;
        for (int nLevel = 0, w = nTexW, h = nTexW / 2; nLevel < nLevels; ++nLevel) {
            const std::string m = nLevel ? prefix + "_MIP" + std::to_string(nLevel) : prefix;
            const auto macro = [&](const char* pszName) { return HeaderMacro(header, m + pszName); };
            EXPECT_EQ((std::array{macro("_OFFSET"), macro("_WIDTH"), macro("_TEXTURE_WIDTH"), macro("_TEXTURE_HEIGHT")}),
                      (std::array{nLevel ? int(nOffset) : -1, std::max(1, nWidth >> nLevel), w, h})) << m;
            const std::size_t nBytes = std::size_t(macro("_BYTES"));
            const std::size_t nRowBytes = std::size_t(macro("_BUFFER_WIDTH") * kPsmBits[nPsm] / 8);
            // Every level within the .bin, the last one ending it.
            ASSERT_TRUE(nLevel + 1 < nLevels ? nOffset + nBytes <= bin.size() : nOffset + nBytes == bin.size()) << m;
            const Bytes texels(bin.begin() + std::ptrdiff_t(nOffset), bin.begin() + std::ptrdiff_t(nOffset + nBytes));
            int nWrong = 0;
            for (int i = 0; i < w * h; ++i) {
                const unsigned v = GeFetch(texels, kPsmBits[nPsm], nRowBytes, pszOption[2] == 's', i % w, i / w);
                const Rgba got = nPsm == kT4 ? GeDecode(k8888, GeReadLittleEndian(clut, v * 4 % 64, 4)) : GeDecode(nPsm, v);
                const Rgba t{level[4 * i], level[4 * i + 1], level[4 * i + 2], level[4 * i + 3]};
                nWrong += got != (nPsm == kT4 ? nearest(t) : GeRounded(nPsm, t, 128));
            }
            EXPECT_EQ(nWrong, 0) << m;
            nOffset += nBytes;
            level = zandrel::fuzz::GeReducedMip(level, w, h);
            w = std::max(1, w / 2);
            h = std::max(1, h / 2);
        }
    }
    std::fclose(pReports);
}

}  // namespace
#endif

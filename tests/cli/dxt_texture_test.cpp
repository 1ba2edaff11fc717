// DXT textures from zandrel-cli read back by the GE model (fuzz/dxt_model.h), not by the encoder: the size
// and the header's macros, blocks of two exact colours back exactly, the key, the transparent index and the
// --pow2 padding transparent, every block in the mode the GE needs, and blocks past the image all zero.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "dxt_model.h"
#include "support/bitmap_builder.h"
#include "support/temp_dir.h"

namespace {

using zandrel::test::Bgra;
using zandrel::test::Bytes;

struct DxtCase {
    int nPsm;  // 8, 9, 10
    int nWidth, nHeight;
    bool bPow2 = false;
    bool bPalette = false;
    int nThreshold = 128;
};

const char* FormatName(int nPsm)
{
    return nPsm == 8 ? "dxt1" : nPsm == 9 ? "dxt3" : "dxt5";
}

// Colours the GE's shift widening gives back exactly: red and blue multiples of 8, green of 4.
Bgra BlockColour(int nPsm, int bx, int by, int nWhich)
{
    const unsigned n = (unsigned(bx) * 7919u + unsigned(by) * 104729u + unsigned(nWhich) * 31u) * 2654435761u;
    // DXT3 keeps 4 bits of alpha, DXT5 two endpoints a block; DXT1 tests the threshold on both sides.
    const int nAlpha = nPsm == 9 ? int(n >> 4 & 15) << 4 : nPsm == 10 ? int(n & 255) : (n & 3) ? 255 : 90 + int(n & 64);
    return {std::uint8_t(n >> 8 & 0xF8), std::uint8_t(n >> 16 & 0xFC), std::uint8_t(n >> 24 & 0xF8),
            std::uint8_t(nAlpha)};
}

// Texel (x, y) of the source: one of its block's two colours. Black (0x000000) is the key.
Bgra SourceTexel(int nPsm, int x, int y)
{
    const unsigned n = (unsigned(x) * 131u + unsigned(y) * 977u) * 2654435761u;
    return BlockColour(nPsm, x / 4, y / 4, (n >> 28) & 1);
}

std::string Macro(const std::string& header, const std::string& name)
{
    const std::size_t nAt = header.find("#define _T_" + name + " ");
    return nAt == std::string::npos ? std::string()
                                    : header.substr(nAt + 12 + name.size(), header.find('\r', nAt) - nAt - 12 - name.size());
}

TEST(DxtTextureTest, ReadsBackByTheGeRules)
{
    std::vector<DxtCase> cases;
    for (int nPsm = 8; nPsm <= 10; ++nPsm) {
        for (const auto& size : {std::array<int, 2>{1, 1}, {6, 3}, {13, 9}, {40, 21}}) {
            cases.push_back({nPsm, size[0], size[1]});
            cases.push_back({nPsm, size[0], size[1], true, size[0] == 13, nPsm == 8 && size[0] == 6 ? 200 : 128});
        }
    }
    zandrel::test::TempDir dir;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const DxtCase& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        // Palette sources: entry 0 made transparent, the others the block colours of the first row of blocks.
        std::vector<Bgra> palette;
        auto index = [&](int x, int y) {
            return x == 0 && y == 0 ? 0 : 1 + (x / 4 % 8) * 2 + ((unsigned(x) * 131u + unsigned(y) * 977u) * 2654435761u >> 28 & 1);
        };
        auto texel = [&](int x, int y) {
            if (!c.bPalette)
                return (x + y) % 7 == 3 ? Bgra{0, 0, 0, 255} : SourceTexel(c.nPsm, x, y);
            Bgra colour = BlockColour(c.nPsm, (index(x, y) - 1) / 2, 0, (index(x, y) - 1) % 2);
            colour[3] = 255;  // an 8-bit bitmap's palette is opaque
            return index(x, y) == 0 ? Bgra{} : colour;
        };
        Bytes source;
        if (c.bPalette) {
            palette.push_back({9, 9, 9, 255});
            for (int n = 1; n < 17; ++n) {
                palette.push_back(BlockColour(c.nPsm, (n - 1) / 2, 0, (n - 1) % 2));
                palette.back()[3] = 0;
            }
            source = zandrel::test::BuildBitmap({.nWidth = c.nWidth, .nHeight = c.nHeight, .nBitCount = 8,
                .nClrUsed = 17, .palette = palette,
                .pixels = zandrel::test::StoreIndexedRows(c.nWidth, c.nHeight, false,
                                                          [&](int x, int y) { return std::uint8_t(index(x, y)); })});
        } else {
            source = zandrel::test::MakeTrueColorBitmap(c.nWidth, c.nHeight, 32, texel);
        }
        const std::string file = dir.File("_t.bmp"), threshold = std::to_string(c.nThreshold);
        ASSERT_TRUE(zandrel::test::WriteFileBytes(file, source));
        std::vector<const char*> argv{"zandrel-cli", "--format", FormatName(c.nPsm), "--binary", "--no-prefix",
                                      "--outdir", dir.Path().c_str()};
        argv.insert(argv.end(), {c.bPalette ? "--transparent-index" : "--key", c.bPalette ? "0" : "000000"});
        if (c.bPow2)
            argv.push_back("--pow2");
        if (c.nPsm == 8)
            argv.insert(argv.end(), {"--alpha-threshold", threshold.c_str()});
        argv.push_back(file.c_str());
        std::FILE* pOut = std::tmpfile();
        ASSERT_EQ(zandrel::RunCli(int(argv.size()), argv.data(), pOut, stderr), 0);
        std::fclose(pOut);

        const Bytes texture = zandrel::test::ReadFileBytes(dir.File("_t.bin")).value_or(Bytes{});
        const Bytes headerBytes = zandrel::test::ReadFileBytes(dir.File("_t.h")).value_or(Bytes{});
        const std::string header(headerBytes.begin(), headerBytes.end());
        const int nTexW = c.bPow2 ? int(std::bit_ceil(unsigned(c.nWidth))) : c.nWidth;
        const int nTexH = c.bPow2 ? int(std::bit_ceil(unsigned(c.nHeight))) : c.nHeight;
        const std::int64_t nBufferWidth = zandrel::fuzz::ModelBufferWidth(c.nPsm, nTexW);
        ASSERT_EQ(std::int64_t(texture.size()), zandrel::fuzz::ModelTextureBytes(c.nPsm, nTexW, nTexH));
        EXPECT_EQ(Macro(header, "PSM"), std::to_string(c.nPsm));
        EXPECT_EQ(Macro(header, "BUFFER_WIDTH"), std::to_string(nBufferWidth));
        EXPECT_EQ(Macro(header, "STORED_HEIGHT"), std::to_string((nTexH + 3) / 4 * 4));
        EXPECT_EQ(Macro(header, "BYTES"), std::to_string(texture.size()));
        EXPECT_EQ(Macro(header, "SWIZZLED"), "0");

        int nWrong = 0;
        std::string firstWrong;
        for (int y = 0; y < (nTexH + 3) / 4 * 4; ++y) {
            for (int x = 0; x < nBufferWidth; ++x) {
                const std::uint8_t* pBlock = zandrel::fuzz::ModelBlock(texture.data(), c.nPsm, nBufferWidth, x, y);
                const auto got = zandrel::fuzz::ModelTexel(texture.data(), c.nPsm, nBufferWidth, x, y);
                // Where the texel's colour comes from: the image, its repeated edge, or transparent black.
                const bool bPastBlocks = x >= (nTexW + 3) / 4 * 4;
                const bool bPadding = x >= c.nWidth || y >= c.nHeight;
                const bool bEdge = bPadding && !c.bPow2;
                Bgra s = bEdge ? texel(std::min(x, c.nWidth - 1), std::min(y, c.nHeight - 1))
                               : bPadding ? Bgra{} : texel(x, y);
                const bool bKeyed = c.bPalette ? s == Bgra{} : s == Bgra{0, 0, 0, 255};
                const bool bTransparent = bKeyed || (bPadding && !bEdge) || (c.nPsm == 8 && s[3] < c.nThreshold);
                // Whether the texel's block holds a transparent texel (padding, keyed, DXT1 below the threshold).
                bool bBlockHasTransparent = false;
                for (int n = 0; n < 16; ++n) {
                    const int bx = x / 4 * 4 + n % 4, by = y / 4 * 4 + n / 4;
                    const bool bOut = bx >= c.nWidth || by >= c.nHeight;
                    const Bgra t = bOut && c.bPow2 ? Bgra{} : texel(std::min(bx, c.nWidth - 1), std::min(by, c.nHeight - 1));
                    bBlockHasTransparent |= (c.bPalette ? t == Bgra{} : t == Bgra{0, 0, 0, 255}) ||
                                            (bOut && c.bPow2) || (c.nPsm == 8 && t[3] < c.nThreshold);
                }
                bool bRight = true;
                if (bPastBlocks) {
                    for (int n = 0; n < zandrel::fuzz::ModelBlockBytes(c.nPsm); ++n)
                        bRight &= pBlock[n] == 0;
                } else {
                    bRight = c.nPsm == 8 && bBlockHasTransparent ? zandrel::fuzz::ModelThreeColour(pBlock)
                                                                 : zandrel::fuzz::ModelFourColour(pBlock);
                    // DXT3/DXT5 blocks with transparent texels weigh their black against the other colours,
                    // and DXT5 has a third alpha there: only DXT3's alpha stays exact.
                    const bool bExact = c.nPsm == 8 || !bBlockHasTransparent;
                    if (bTransparent)
                        bRight &= got[3] == 0;
                    else if (bExact || c.nPsm == 9)
                        bRight &= got[3] == (c.nPsm == 8 ? 255 : c.nPsm == 9 ? std::min(15, (s[3] + 8) / 16) << 4 : s[3]);
                    if (!bTransparent && bExact)
                        bRight &= got[0] == s[2] && got[1] == s[1] && got[2] == s[0];
                }
                if (!bRight && nWrong++ == 0)
                    firstWrong = std::to_string(x) + "," + std::to_string(y);
            }
        }
        EXPECT_EQ(nWrong, 0) << "first wrong texel: " << firstWrong;
    }
}

}  // namespace

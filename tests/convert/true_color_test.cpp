#include "convert/true_color.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "convert/convert_file.h"
#include "support/bitmap_builder.h"

namespace {

using zandrel::ByteReader;
using zandrel::CDibSurface;
using zandrel::Color16;
using zandrel::LargeBuffer;
using zandrel::Refusal;
using zandrel::test::Bgra;
using zandrel::test::Bytes;

// Loads a bottom-up bitmap of the given pixels (row-major, top row first)
// and builds the arrays from it.
struct Built {
    CDibSurface surface;
    LargeBuffer words;
    LargeBuffer alpha;
};

void Build(Built* pOut, int nWidth, int nHeight, int nBitCount, const std::vector<Bgra>& pixels)
{
    const Bytes file = zandrel::test::MakeTrueColorBitmap(
        nWidth, nHeight, nBitCount, [&](int x, int y) { return pixels[static_cast<std::size_t>(y * nWidth + x)]; });
    ByteReader reader(file.data(), file.size());
    ASSERT_EQ(pOut->surface.Load(reader), 1);
    ASSERT_EQ(BuildTrueColorArrays(pOut->surface, &pOut->words, &pOut->alpha), Refusal::kNone);
}

struct PackCase {
    Bgra pixel;
    Color16 word;
};

// Through the whole path, file to colour words: truncation, no rounding, and
// a fourth byte of FF never reaching bit 15.
TEST(TrueColorTest, PacksTheColourTable)
{
    const std::vector<PackCase> table{
        {{0x00, 0x00, 0xFF, 0xFF}, 0x001F}, {{0x00, 0xFF, 0x00, 0xFF}, 0x03E0}, {{0xFF, 0x00, 0x00, 0xFF}, 0x7C00},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 0x7FFF}, {{0x10, 0x20, 0x30, 0x00}, 0x0886}, {{0x07, 0x07, 0x07, 0xFF}, 0x0000},
        {{0x08, 0x08, 0x08, 0x80}, 0x0421},
    };
    std::vector<Bgra> pixels;
    for (const PackCase& c : table)
        pixels.push_back(c.pixel);
    for (const int nBits : {24, 32}) {
        Built built;
        Build(&built, static_cast<int>(table.size()), 1, nBits, pixels);
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(built.words.As<Color16>()[i], table[i].word) << nBits << " bits, entry " << i;
            if (nBits == 32) {
                EXPECT_EQ(built.alpha.Data()[i], table[i].pixel[3]) << "entry " << i;
            }
        }
        EXPECT_EQ(built.words.Size(), 2 * table.size());
        EXPECT_EQ(built.alpha.Size(), nBits == 32 ? table.size() : 0u);
        EXPECT_EQ(built.alpha.Data() == nullptr, nBits == 24);
    }
}

TEST(TrueColorTest, FirstEntryIsTopLeftOfABottomUpFile)
{
    // 2 x 2: the top row is stored last in the file.
    const std::vector<Bgra> pixels{{0, 0, 0xFF, 0x80}, {0, 0xFF, 0, 0x81}, {0xFF, 0, 0, 0x82}, {8, 8, 8, 0x83}};
    Built built;
    Build(&built, 2, 2, 32, pixels);
    const std::vector<Color16> words(built.words.As<Color16>(), built.words.As<Color16>() + 4);
    const std::vector<std::uint8_t> alpha(built.alpha.Data(), built.alpha.Data() + 4);
    EXPECT_EQ(words, (std::vector<Color16>{0x001F, 0x03E0, 0x7C00, 0x0421}));
    EXPECT_EQ(alpha, (std::vector<std::uint8_t>{0x80, 0x81, 0x82, 0x83}));
}

// The word-at-a-time packing against PackColor16 for every colour, in runs of
// odd lengths so that loop tails are covered too.
TEST(TrueColorTest, PackingMatchesPackColor16ForEveryColour)
{
    constexpr std::size_t kRun = 65536 + 7;
    std::vector<std::uint8_t> bits(4 * kRun);
    std::vector<Color16> words(kRun);
    std::vector<std::uint8_t> alpha(kRun);
    for (std::uint32_t nFirst = 0; nFirst < (1u << 24); nFirst += kRun) {
        for (std::size_t i = 0; i < kRun; ++i) {
            const std::uint32_t nColour = nFirst + static_cast<std::uint32_t>(i);
            bits[4 * i] = static_cast<std::uint8_t>(nColour);
            bits[4 * i + 1] = static_cast<std::uint8_t>(nColour >> 8);
            bits[4 * i + 2] = static_cast<std::uint8_t>(nColour >> 16);
            bits[4 * i + 3] = static_cast<std::uint8_t>(nColour * 7 + 1);
        }
        zandrel::PackSurfacePixels(bits.data(), kRun, words.data(), alpha.data());
        for (std::size_t i = 0; i < kRun; ++i) {
            const std::uint8_t* p = &bits[4 * i];
            if (words[i] != zandrel::PackColor16(p[2], p[1], p[0]) || alpha[i] != p[3])
                FAIL() << "colour " << std::hex << nFirst + i;
        }
    }
}

TEST(TrueColorTest, SurfaceWithoutImageIsRefusedAndWritesNothing)
{
    CDibSurface empty;
    LargeBuffer words, alpha;
    EXPECT_EQ(BuildTrueColorArrays(empty, &words, &alpha), Refusal::kBadHeader);
    EXPECT_EQ(words.Data(), nullptr);
    const zandrel::ConversionReport report = zandrel::ConvertTrueColor(empty, zandrel::OutputRequest{});
    EXPECT_EQ(report.nResult, zandrel::kConvertRefused);
    EXPECT_TRUE(report.output.written.empty() && report.output.failures.empty());
}

}  // namespace

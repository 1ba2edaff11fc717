// The fuzz targets' checks over every seed, finding (tests/data/fuzz), golden file and refused bitmap, cut
// at every length; and an image whose text passes the writers' 1 MiB block four times, once inside a line end.
#include <gtest/gtest.h>

#include "convert/bmp/dib_surface.h"
#include "fuzz_support.h"
#include "support/bitmap_builder.h"
#include "support/low_depth_bitmaps.h"
#include "support/refusal_bitmaps.h"

namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);
using zandrel::test::ReadFilesUnder;

// bImages: every file is a true-colour image, so its checks are not passed by refusing it (a 16-bit one,
// which the surface refuses, is checked as textures read it).
void Replay(const zandrel::test::Files& files, std::initializer_list<Target> targets, bool bImages = false)
{
    for (const auto& [name, bytes] : files) {
        zandrel::ByteReader reader(bytes.data(), bytes.size());
        zandrel::CDibSurface surface;
        EXPECT_TRUE(!bImages || surface.Load(reader) || surface.m_nBitCount == 16) << name;
        for (std::size_t n = 0; n <= bytes.size(); ++n) {
            for (const Target target : targets)
                ASSERT_NO_THROW(target(bytes.data(), n)) << name << " cut to " << n << " bytes";
        }
    }
}

TEST(FuzzReplay, SeedsFindingsAndGoldenInputsKeepEveryInvariant)
{
    using namespace zandrel::fuzz;
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_true_color"), {FuzzTrueColor}, true);
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_indexed"), {FuzzIndexed});
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_naming"), {FuzzNaming});
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_png"), {FuzzPng});
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_pack"), {FuzzPack});
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_dxt"), {FuzzDxt});
    Replay(ReadFilesUnder(ZANDREL_FUZZ_DIR "/corpus/fuzz_quantize"), {FuzzQuantize});
    Replay(ReadFilesUnder(ZANDREL_TEST_DATA_DIR), {FuzzTrueColor, FuzzIndexed, FuzzPng});
    Replay(zandrel::test::RefusalBitmaps(), {FuzzTrueColor, FuzzIndexed});
    Replay(zandrel::test::LowDepthBitmaps(), {FuzzTrueColor, FuzzIndexed});
    Replay(zandrel::test::LowDepthRefusalBitmaps(), {FuzzTrueColor, FuzzIndexed});
    // Either side of the rule that a fourth byte of 0 throughout is padding: a single 1, and colour bits
    // low in the top byte, which leave no byte free for alpha.
    using zandrel::test::BuildBitmap;
    Replay({{"first fourth byte 1", BuildBitmap({.nWidth = 2, .nBitCount = 32, .pixels = {0, 0, 0, 1, 0, 0, 0, 0}})},
            {"red in bits 16 to 26", BuildBitmap({.nWidth = 2, .nBitCount = 32, .nCompression = 3,
                                                  .masks = {0x7FF0000, 0xFFE0, 0x1F}, .pixels = {0, 0, 0, 7, 0, 0, 0, 0}})}},
           {FuzzTrueColor}, true);
}

TEST(FuzzReplay, ImageLargerThanTheTextBlockAndTheReadChunk)
{
    const zandrel::test::Bytes file = zandrel::test::MakeTrueColorBitmap(664, 420, 32, [](int x, int y) {
        return zandrel::test::Bgra{std::uint8_t(x + 1), std::uint8_t(y + 1), std::uint8_t(x ^ y), std::uint8_t(x + y)};
    });
    EXPECT_NO_THROW(zandrel::fuzz::FuzzTrueColor(file.data(), file.size()));
}

}  // namespace

// The quantiser where the fuzz target's oracle does not reach: refusals, error
// diffusion at a hard edge, the bytes of many colours made few, and images
// with more colours than the histogram keeps apart.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "convert/quantize/remap.h"

namespace {

using namespace zandrel::quantize;
using zandrel::TextureFormat;

struct Image {
    int nWidth, nHeight;
    std::vector<Rgba8> pixels;
    PixelView View() const
    {
        return {reinterpret_cast<const std::uint8_t*>(pixels.data()), nWidth, nHeight, 4 * std::size_t(nWidth)};
    }
};

Image Paint(int nWidth, int nHeight, const std::function<Rgba8(int, int)>& color)
{
    Image image{nWidth, nHeight, {}};
    for (int i = 0; i < nWidth * nHeight; ++i)
        image.pixels.push_back(color(i % nWidth, i / nWidth));
    return image;
}

QuantizeStatus QuantizeImage(const Image& image, const ClutRule& rule, const QuantizeOptions& options, Palette* pPalette)
{
    CColorHistogram histogram(rule);
    const QuantizeStatus eAdd = histogram.Add(image.View());
    return eAdd != QuantizeStatus::kDone ? eAdd : Quantize(histogram, options, pPalette);
}

TEST(Quantize, RefusesWhatIsOutOfRange)
{
    const Image image = Paint(4, 2, [](int x, int) { return Rgba8{std::uint8_t(x * 60), 0, 0, 255}; });
    Palette palette;
    std::vector<std::uint8_t> indices(8);
    const std::uint8_t byte = 0;
    const struct {
        const char* pszName;
        std::function<QuantizeStatus()> call;
        QuantizeStatus eExpected;
    } rows[] = {
        {"one colour", [&] { return QuantizeImage(image, {}, {1, 0}, &palette); }, QuantizeStatus::kBadArguments},
        {"257 colours", [&] { return QuantizeImage(image, {}, {257, 0}, &palette); }, QuantizeStatus::kBadArguments},
        {"transparent index past the colours", [&] { return QuantizeImage(image, {}, {16, 16}, &palette); },
         QuantizeStatus::kBadArguments},
        {"an index format as CLUT", [&] { return QuantizeImage(image, {TextureFormat::kT8, 128}, {}, &palette); },
         QuantizeStatus::kBadArguments},
        {"threshold 257", [&] { return QuantizeImage(image, {TextureFormat::k5551, 257}, {}, &palette); },
         QuantizeStatus::kBadArguments},
        {"rows overlapping", [&] { return CColorHistogram({}).Add({&byte, 4, 2, 12}); }, QuantizeStatus::kBadArguments},
        {"2^32 pixels", [&] { return CColorHistogram({}).Add({&byte, 65536, 65536, 4 * 65536}); },
         QuantizeStatus::kTooManyPixels},
        {"fewer index bytes than pixels",
         [&] {
             QuantizeImage(image, {}, {}, &palette);
             return Remap(image.View(), palette, false, indices.data(), 7);
         },
         QuantizeStatus::kBadArguments},
        {"an empty palette", [&] { return Remap(image.View(), Palette(), true, indices.data(), 8); },
         QuantizeStatus::kBadArguments},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.call(), row.eExpected) << row.pszName;
}

// Left a colour the palette cannot reach, right one it holds: the left's
// error does not cross into the right, which stays exact.
TEST(Remap, DitheringStopsAtAHardEdgeAndKeepsAFlatExactColour)
{
    const struct {
        const char* pszName;
        ClutRule rule;
        Rgba8 left, right;
        std::vector<Rgba8> entries;  // right is entries[1]
    } rows[] = {
        {"red beside blue", {}, {255, 0, 0, 255}, {0, 0, 255, 255}, {{200, 0, 0, 255}, {0, 0, 255, 255}, {60, 0, 255, 255}}},
        {"grey beside a 5650 level", {TextureFormat::k5650, 128}, {100, 100, 100, 255}, {16, 16, 16, 255},
         {{0, 0, 0, 255}, {16, 16, 16, 255}, {255, 255, 255, 255}}},
        {"opaque beside half transparent", {}, {0, 0, 0, 255}, {60, 0, 0, 128},
         {{50, 0, 0, 255}, {60, 0, 0, 128}, {30, 0, 0, 128}}},
    };
    for (const auto& row : rows) {
        const Image image = Paint(16, 8, [&](int x, int) { return x < 8 ? row.left : row.right; });
        Palette palette;
        palette.rule = row.rule;
        palette.nCount = static_cast<int>(row.entries.size());
        std::copy(row.entries.begin(), row.entries.end(), palette.entries);
        std::vector<std::uint8_t> indices(16 * 8);
        ASSERT_EQ(Remap(image.View(), palette, true, indices.data(), indices.size()), QuantizeStatus::kDone);
        for (std::size_t i = 0; i < indices.size(); ++i)
            EXPECT_TRUE(i % 16 < 8 || indices[i] == 1) << row.pszName << ", pixel " << i;
    }
}

// The bytes are the point: the same on every platform and build, and any
// change to how the palette is made shows here. FNV-1a of the entries in use,
// the transparent index and the indices, for a gradient with soft alpha.
TEST(Quantize, SameBytesAsEver)
{
    const Image image = Paint(48, 40, [](int x, int y) {
        return Rgba8{std::uint8_t(x * 5), std::uint8_t(y * 6), std::uint8_t((x * y) % 251), std::uint8_t(x < 4 ? 0 : x * 5 + 15)};
    });
    const struct {
        ClutRule rule;
        int nColors;
        bool bDither;
        std::uint64_t nHash;
    } rows[] = {
        {{TextureFormat::k5650, 128}, 16, false, 0x6cc0560dc5ac3937u},
        {{TextureFormat::k5551, 100}, 16, true, 0xf0c7add39ce2d375u},
        {{TextureFormat::k4444, 128}, 256, false, 0xf881f8cbabf283c3u},
        {{TextureFormat::k8888, 128}, 256, true, 0x92b38d994cade2feu},
        {{TextureFormat::k8888, 128}, 16, false, 0x845126483bb63498u},
    };
    for (const auto& row : rows) {
        Palette palette;
        std::vector<std::uint8_t> indices(image.pixels.size());
        ASSERT_EQ(QuantizeImage(image, row.rule, {row.nColors, 1}, &palette), QuantizeStatus::kDone);
        ASSERT_EQ(Remap(image.View(), palette, row.bDither, indices.data(), indices.size()), QuantizeStatus::kDone);
        std::vector<std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(palette.entries),
                                        reinterpret_cast<const std::uint8_t*>(palette.entries + palette.nCount));
        bytes.push_back(static_cast<std::uint8_t>(palette.nTransparentIndex));
        bytes.insert(bytes.end(), indices.begin(), indices.end());
        std::uint64_t nHash = 0xCBF29CE484222325u;
        for (const std::uint8_t nByte : bytes)
            nHash = (nHash ^ nByte) * 0x100000001B3u;
        EXPECT_EQ(nHash, row.nHash) << static_cast<int>(row.rule.eFormat) << " " << row.nColors << std::hex << " 0x" << nHash;
    }
}

// More colours than the histogram keeps apart: each channel loses a low bit.
TEST(Quantize, ImageWithMoreColoursThanTheHistogramHolds)
{
    const Image image = Paint(640, 512, [](int x, int y) {
        const int i = y * 640 + x;
        return Rgba8{std::uint8_t(i), std::uint8_t(i >> 8), std::uint8_t(i >> 16 | (i & 7) << 5), 255};
    });
    CColorHistogram histogram({});
    Palette palette;
    std::vector<std::uint8_t> indices(image.pixels.size());
    ASSERT_EQ(histogram.Add(image.View()), QuantizeStatus::kDone);
    EXPECT_EQ(histogram.CoarseBits(), 1);
    ASSERT_EQ(Quantize(histogram, {}, &palette), QuantizeStatus::kDone);
    ASSERT_EQ(Remap(image.View(), palette, false, indices.data(), indices.size()), QuantizeStatus::kDone);
    EXPECT_EQ(palette.nCount, 256);
    EXPECT_LT(*std::max_element(indices.begin(), indices.end()), palette.nCount);
}

}  // namespace

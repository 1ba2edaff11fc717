// The DXT encoder read back by the GE model (fuzz/dxt_model.h): blocks of one
// or two colours come back exactly or as near as shift widening allows (where
// blocks lie and the padding are fuzzed), the sides a layout takes, and a
// fingerprint of each format's bytes that every platform must give.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "convert/texture/dxt/dxt_encoder.h"
#include "dxt_model.h"

namespace {

using zandrel::DxtFormat;
using Image = std::vector<std::uint8_t>;  // blue, green, red, alpha
struct Rgba {
    int r, g, b, a;
};
constexpr DxtFormat kFormats[] = {DxtFormat::kDxt1, DxtFormat::kDxt3, DxtFormat::kDxt5};

std::vector<std::uint8_t> Encode(DxtFormat eFormat, const Image& image, int nWidth, int nHeight,
                                 std::int64_t* pBufferWidth = nullptr, int nThreshold = 128)
{
    zandrel::DxtLayout layout;
    EXPECT_TRUE(zandrel::ComputeDxtLayout(eFormat, nWidth, nHeight, 1 << 30, &layout));
    std::vector<std::uint8_t> texture(static_cast<std::size_t>(layout.nBytes));
    zandrel::EncodeDxt(layout, image.data(), nThreshold, texture.data());
    if (pBufferWidth)
        *pBufferWidth = layout.nBufferWidth;
    return texture;
}

Image Fill(int nWidth, int nHeight, Rgba (*pTexel)(int x, int y))
{
    Image image;
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const Rgba t = pTexel(x, y);
            image.insert(image.end(), {std::uint8_t(t.b), std::uint8_t(t.g), std::uint8_t(t.r), std::uint8_t(t.a)});
        }
    }
    return image;
}

// The nearest value a channel can take as an endpoint: 5 bits << 3 or 6 bits << 2.
int NearestDistance(int v, int nBits)
{
    int nBest = 255;
    for (int q = 0; q < (1 << nBits); ++q)
        nBest = std::min(nBest, std::abs(v - (q << (8 - nBits))));
    return nBest;
}

TEST(Dxt, BlocksOfOneOrTwoColoursComeBackWithinTheShift)
{
    struct Case {
        const char* pszName;
        Rgba first, second;  // second.a < 0: a block of one colour
        bool bExact;         // every value on the grid the GE can decode
    } const cases[] = {
        {"white, which the GE reads as F8 FC F8", {255, 255, 255, 255}, {0, 0, 0, -1}, false},
        {"one colour off the grid", {100, 50, 201, 255}, {0, 0, 0, -1}, false},
        {"one colour on the grid", {96, 52, 200, 255}, {0, 0, 0, -1}, true},
        {"two colours on the grid", {248, 0, 8, 255}, {16, 252, 240, 255}, true},
        {"two close colours", {128, 128, 128, 255}, {136, 132, 128, 255}, true},
        {"two colours, one transparent in DXT1", {64, 128, 192, 240}, {8, 8, 8, 16}, true},
        {"black and a near black", {0, 0, 0, 255}, {8, 4, 0, 255}, true},
    };
    for (const Case& test : cases) {
        for (const DxtFormat eFormat : kFormats) {
            const int nPsm = static_cast<int>(eFormat);
            Image image;
            for (int i = 0; i < 16; ++i) {
                const Rgba t = test.second.a >= 0 && (i * 7) % 3 == 0 ? test.second : test.first;
                image.insert(image.end(), {std::uint8_t(t.b), std::uint8_t(t.g), std::uint8_t(t.r), std::uint8_t(t.a)});
            }
            std::int64_t nBufferWidth = 0;
            const auto texture = Encode(eFormat, image, 4, 4, &nBufferWidth);
            for (int i = 0; i < 16; ++i) {
                const auto texel = zandrel::fuzz::ModelTexel(texture.data(), nPsm, nBufferWidth, i % 4, i / 4);
                const int source[4] = {image[4 * i + 2], image[4 * i + 1], image[4 * i], image[4 * i + 3]};
                const bool bCut = eFormat == DxtFormat::kDxt1 && source[3] < 128;
                int nError = 0, nAllowed = 0;
                for (int c = 0; c < 3 && !bCut; ++c) {
                    nError += (source[c] - texel[c]) * (source[c] - texel[c]);
                    const int nDistance = test.bExact ? 0 : NearestDistance(source[c], c == 1 ? 6 : 5);
                    nAllowed += nDistance * nDistance;
                }
                EXPECT_LE(nError, nAllowed) << test.pszName << ", psm " << nPsm << ", texel " << i;
                // Alpha: DXT1 cuts at the threshold, DXT3 keeps the high nibble, DXT5 is exact here.
                const int nAlpha = eFormat == DxtFormat::kDxt1 ? (bCut ? 0 : 255)
                                   : eFormat == DxtFormat::kDxt3 ? std::min(15, (source[3] + 8) / 16) * 16
                                                                  : source[3];
                EXPECT_EQ(texel[3], nAlpha) << test.pszName << ", psm " << nPsm << ", texel " << i;
            }
        }
    }
}

// The sides a layout takes: at least one texel, at most 2^24; one texel is one padded block.
TEST(Dxt, LayoutTakesSidesFromOneTexel)
{
    const struct {
        std::int64_t nWidth, nHeight, nBytes;  // 0: refused
    } rows[] = {{0, 4, 0}, {4, 0, 0}, {1, 1, 64}, {1, 5, 128}, {(1 << 24) + 1, 1, 0}, {1, (1 << 24) + 1, 0}};
    for (const auto& row : rows) {
        zandrel::DxtLayout layout;
        EXPECT_EQ(zandrel::ComputeDxtLayout(DxtFormat::kDxt3, row.nWidth, row.nHeight, 1 << 30, &layout), row.nBytes > 0)
            << row.nWidth << " x " << row.nHeight;
        EXPECT_TRUE(row.nBytes == 0 || layout.nBytes == row.nBytes) << row.nWidth << " x " << row.nHeight;
    }
}

// FNV-1a of each format's texture of a 64 x 64 image of gradients, noise, alpha edges and opaque
// texels among partial ones: the Linux and Windows builds must give these same bytes.
TEST(Dxt, EveryPlatformGivesTheSameBytes)
{
    const Image image = Fill(64, 64, [](int x, int y) {
        const unsigned nNoise = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 7;
        return Rgba{x * 4, (y * 4 + int(nNoise % 23)) & 255, (x * y) & 255, x < 20 || (x + y) % 7 == 0 ? 255 : (x - 20) * 6 + y};
    });
    const std::uint64_t expected[] = {18158536041842906186u, 16116363790951393584u, 13854612382823618608u};
    for (int f = 0; f < 3; ++f) {
        std::uint64_t nHash = 14695981039346656037u;
        for (const std::uint8_t b : Encode(kFormats[f], image, 64, 64))
            nHash = (nHash ^ b) * 1099511628211u;
        EXPECT_EQ(nHash, expected[f]) << "psm " << static_cast<int>(kFormats[f]);
    }
}

}  // namespace

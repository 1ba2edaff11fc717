// The DXT benchmark's 512 x 512 images: generated gradients, noise,
// antialiased text and UI, and icons from Debian's adwaita-icon-theme.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandrel::bench {

struct BenchImage {
    std::string name;
    int nWidth = 0, nHeight = 0;
    std::vector<std::uint8_t> bgra;  // blue, green, red, alpha; top row first
};

constexpr int kBenchSide = 512;

// The whole set; an image whose file or font is missing is left out with a
// line on standard error.
std::vector<BenchImage> MakeBenchImages();

// The image composited onto black, opaque: what DXT1 colour is measured on.
BenchImage Flattened(const BenchImage& image);

}  // namespace zandrel::bench

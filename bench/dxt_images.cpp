#include "dxt_images.h"

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/png/png_reader.h"
#include "convert/texture/mipmap.h"

namespace zandrel::bench {
namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kIconDir = "/usr/share/icons/Adwaita/512x512/";

BenchImage Blank(const char* pszName)
{
    return {pszName, kBenchSide, kBenchSide, std::vector<std::uint8_t>(std::size_t{kBenchSide} * kBenchSide * 4, 0)};
}

std::uint8_t Clamp(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

void Put(BenchImage& image, int x, int y, double r, double g, double b, double a)
{
    std::uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.nWidth + x) * 4];
    p[0] = Clamp(b), p[1] = Clamp(g), p[2] = Clamp(r), p[3] = Clamp(a);
}

// Source-over of a colour with coverage a (0..1) onto what is there.
void Blend(BenchImage& image, int x, int y, const double rgb[3], double a)
{
    std::uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.nWidth + x) * 4];
    const double dst = p[3] / 255.0, out = a + dst * (1 - a);
    if (out <= 0)
        return;
    for (int c = 0; c < 3; ++c)
        p[2 - c] = Clamp((rgb[c] * a + p[2 - c] * dst * (1 - a)) / out);
    p[3] = Clamp(out * 255);
}

BenchImage Gradients()
{
    BenchImage image = Blank("gradient");
    for (int y = 0; y < kBenchSide; ++y)
        for (int x = 0; x < kBenchSide; ++x)
            Put(image, x, y, x / 2.0, 255 - y / 2.0, 128 + 127 * std::sin((x + y) / 90.0), 255);
    return image;
}

BenchImage AlphaGradient()
{
    BenchImage image = Blank("alpha-ramp");
    for (int y = 0; y < kBenchSide; ++y) {
        for (int x = 0; x < kBenchSide; ++x) {
            const double d = std::hypot(x - 256.0, y - 256.0);
            Put(image, x, y, 255 - y / 3.0, 90 + x / 4.0, 200, 255 * std::clamp(1.2 - d / 250, 0.0, 1.0));
        }
    }
    return image;
}

// Value noise of four octaves over a fixed lattice hash: cloudy, with fine grain.
BenchImage Noise()
{
    auto lattice = [](int x, int y, int c) {
        std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                          static_cast<std::uint32_t>(c) * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
    };
    BenchImage image = Blank("noise");
    for (int y = 0; y < kBenchSide; ++y) {
        for (int x = 0; x < kBenchSide; ++x) {
            double rgb[3] = {};
            for (int c = 0; c < 3; ++c) {
                double amplitude = 0.5;
                for (int cell = 64; cell >= 2; cell /= 4, amplitude /= 2) {
                    const double fx = double(x) / cell, fy = double(y) / cell;
                    const int ix = int(fx), iy = int(fy);
                    const double tx = fx - ix, ty = fy - iy;
                    const double top = lattice(ix, iy, c) * (1 - tx) + lattice(ix + 1, iy, c) * tx;
                    const double bottom = lattice(ix, iy + 1, c) * (1 - tx) + lattice(ix + 1, iy + 1, c) * tx;
                    rgb[c] += amplitude * (top * (1 - ty) + bottom * ty);
                }
            }
            Put(image, x, y, rgb[0] * 300, rgb[1] * 300, rgb[2] * 300, 255);
        }
    }
    return image;
}

std::vector<std::uint8_t> ReadWhole(const char* pszPath)
{
    std::vector<std::uint8_t> bytes;
    if (std::FILE* pFile = std::fopen(pszPath, "rb")) {
        std::uint8_t buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(pFile);
    }
    return bytes;
}

// Lines of text from 10 to 40 pixels, coloured, antialiased, on transparency.
bool Text(BenchImage* pImage)
{
    const std::vector<std::uint8_t> font = ReadWhole(kFontPath);
    stbtt_fontinfo info;
    if (font.empty() || !stbtt_InitFont(&info, font.data(), stbtt_GetFontOffsetForIndex(font.data(), 0)))
        return false;
    *pImage = Blank("text");
    const char* pszLine = "The quick brown fox jumps over the lazy dog 0123456789 GE DXT";
    int y = 4;
    for (int nLine = 0; y < kBenchSide - 12; ++nLine) {
        const double size = 10 + (nLine * 7) % 31;
        const float scale = stbtt_ScaleForPixelHeight(&info, static_cast<float>(size));
        const double rgb[3] = {255.0 * (nLine % 3 == 0), 128 + 60.0 * (nLine % 2), 255.0 * (nLine % 3 != 1)};
        double x = 4;
        for (const char* p = pszLine; *p && x < kBenchSide - 4; ++p) {
            int nW, nH, nX0, nY0, nAdvance, nBearing;
            unsigned char* pGlyph = stbtt_GetCodepointBitmap(&info, 0, scale, *p, &nW, &nH, &nX0, &nY0);
            stbtt_GetCodepointHMetrics(&info, *p, &nAdvance, &nBearing);
            for (int gy = 0; gy < nH; ++gy) {
                for (int gx = 0; gx < nW; ++gx) {
                    const int px = int(x) + nX0 + gx, py = y + int(size * 0.8) + nY0 + gy;
                    if (px >= 0 && px < kBenchSide && py >= 0 && py < kBenchSide && pGlyph[gy * nW + gx])
                        Blend(*pImage, px, py, rgb, pGlyph[gy * nW + gx] / 255.0);
                }
            }
            stbtt_FreeBitmap(pGlyph, nullptr);
            x += nAdvance * scale;
        }
        y += int(size * 1.25);
    }
    return true;
}

// Coverage of a rounded rectangle at a pixel, 4 x 4 samples.
double RoundRect(int x, int y, double x0, double y0, double x1, double y1, double radius)
{
    int nInside = 0;
    for (int s = 0; s < 16; ++s) {
        const double px = x + (s % 4 + 0.5) / 4, py = y + (s / 4 + 0.5) / 4;
        const double dx = std::max({x0 + radius - px, px - (x1 - radius), 0.0});
        const double dy = std::max({y0 + radius - py, py - (y1 - radius), 0.0});
        nInside += px >= x0 && px <= x1 && py >= y0 && py <= y1 && dx * dx + dy * dy <= radius * radius;
    }
    return nInside / 16.0;
}

// A panel of buttons: soft shadows, gradients, borders, round badges.
BenchImage Ui()
{
    BenchImage image = Blank("ui");
    for (int by = 0; by < 6; ++by) {
        for (int bx = 0; bx < 3; ++bx) {
            const double x0 = 20 + bx * 164, y0 = 20 + by * 82, x1 = x0 + 140, y1 = y0 + 60;
            const double hue[3] = {60.0 + 60 * bx, 90.0 + 25 * by, 220.0 - 50 * bx};
            for (int y = int(y0) - 8; y < int(y1) + 12; ++y) {
                for (int x = int(x0) - 8; x < int(x1) + 12; ++x) {
                    const double shadow[3] = {0, 0, 0};
                    const double dx = std::max({x0 + 3 - x, x - (x1 + 3), 0.0}), dy = std::max({y0 + 5 - y, y - (y1 + 5), 0.0});
                    Blend(image, x, y, shadow, 0.45 * std::exp(-(dx * dx + dy * dy) / 18));
                    const double t = (y - y0) / (y1 - y0);
                    const double face[3] = {hue[0] * (1.2 - 0.4 * t), hue[1] * (1.2 - 0.4 * t), hue[2] * (1.2 - 0.4 * t)};
                    const double border[3] = {30, 30, 40};
                    Blend(image, x, y, border, RoundRect(x, y, x0, y0, x1, y1, 12));
                    Blend(image, x, y, face, RoundRect(x, y, x0 + 2, y0 + 2, x1 - 2, y1 - 2, 10));
                    const double badge[3] = {250, 250, 250};
                    Blend(image, x, y, badge, 0.9 * RoundRect(x, y, x0 + 10, y0 + 18, x0 + 34, y0 + 42, 12));
                }
            }
        }
    }
    return image;
}

bool Icon(const std::string& path, BenchImage* pImage)
{
    const std::vector<std::uint8_t> bytes = ReadWhole(path.c_str());
    ByteReader reader(bytes.data(), bytes.size());
    DecodedImage decoded;
    if (bytes.empty() || ReadPngImage(reader, &decoded) != Refusal::kNone || !decoded.trueColor.bAlpha ||
        decoded.trueColor.nWidth != kBenchSide || decoded.trueColor.nHeight != kBenchSide)
        return false;
    pImage->name = "icon-" + path.substr(path.rfind('/') + 1, path.size() - path.rfind('/') - 5);
    pImage->nWidth = pImage->nHeight = kBenchSide;
    const std::uint8_t* pPixels = decoded.trueColor.pixels.Data();
    pImage->bgra.assign(pPixels, pPixels + std::size_t{kBenchSide} * kBenchSide * 4);
    return true;
}

// Four icons halved and tiled: detail at the size of a game's sprites.
bool IconAtlas(const std::vector<BenchImage>& icons, BenchImage* pImage)
{
    if (icons.size() < 4)
        return false;
    *pImage = Blank("icon-atlas");
    std::vector<std::uint8_t> half(std::size_t{kBenchSide / 2} * (kBenchSide / 2) * 4);
    for (int i = 0; i < 4; ++i) {
        ReduceMip(icons[i].bgra.data(), kBenchSide, kBenchSide, half.data());
        for (int y = 0; y < kBenchSide / 2; ++y)
            std::copy_n(&half[std::size_t(y) * (kBenchSide / 2) * 4], (kBenchSide / 2) * 4,
                        &pImage->bgra[((std::size_t(y) + (i / 2) * (kBenchSide / 2)) * kBenchSide + (i % 2) * (kBenchSide / 2)) * 4]);
    }
    return true;
}

}  // namespace

std::vector<BenchImage> MakeBenchImages()
{
    std::vector<BenchImage> images = {Gradients(), AlphaGradient(), Noise(), Ui()};
    BenchImage image;
    if (Text(&image))
        images.push_back(image);
    else
        std::fprintf(stderr, "no %s: the text image is left out (apt-get install fonts-dejavu-core)\n", kFontPath);
    std::vector<BenchImage> icons;
    for (const char* pszIcon : {"devices/computer.png", "places/user-home.png", "mimetypes/x-office-presentation.png",
                                "devices/input-gaming.png"}) {
        if (Icon(std::string(kIconDir) + pszIcon, &image))
            icons.push_back(image);
        else
            std::fprintf(stderr, "no %s%s: left out (apt-get install adwaita-icon-theme)\n", kIconDir, pszIcon);
    }
    if (IconAtlas(icons, &image))
        images.push_back(image);
    images.insert(images.end(), icons.begin(), icons.begin() + std::min<std::size_t>(icons.size(), 3));
    return images;
}

BenchImage Flattened(const BenchImage& image)
{
    BenchImage flat = image;
    for (std::size_t i = 0; i < flat.bgra.size(); i += 4) {
        for (int c = 0; c < 3; ++c)
            flat.bgra[i + c] = static_cast<std::uint8_t>((flat.bgra[i + c] * flat.bgra[i + 3] + 127) / 255);
        flat.bgra[i + 3] = 255;
    }
    return flat;
}

}  // namespace zandrel::bench

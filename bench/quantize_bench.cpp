// zandrel-quant-bench: the colour quantiser against libimagequant (through
// the pngquant program) on quality, time and memory.
//
//   zandrel-quant-bench SCRATCH [--runs R] [--verbose] [CLASS=FOLDER[:STEP]]...
//
// Makes 20 images of 512 x 512 RGBA in SCRATCH (smooth gradients, noise,
// antialiased glyphs, few-colour UI) and takes every STEP-th PNG (sorted by
// path, STEP 1 by default) under each FOLDER as a class of real art. Every
// image is quantised to 256 and to 16 colours, 8888 CLUT, no dithering, by
//   ours      a fresh process of this program (--convert): the engine's PNG
//             reader, histogram, Quantize, Remap, and the CLUT and indices
//             written to a file, as the CLI's --binary output would be;
//   pngquant  `pngquant --nofs N`, its default speed.
// Quality is PSNR over premultiplied RGBA (colour channels as c * a / 255,
// alpha as it is; squared errors averaged over pixels and the four channels)
// of what each wrote against the input, lossless counted as 99 dB. Time is the
// child's CPU time (user + system), best of R runs (3 by default), summed over
// the class; peak is the largest ru_maxrss of our runs, beside the budget of
// 8 bytes a pixel + 16 MiB for the class's largest image.
#include <spng.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/image_file.h"
#include "convert/large_buffer.h"
#include "convert/quantize/remap.h"

namespace {

namespace q = zandrel::quantize;

constexpr int kSide = 512;
constexpr double kLosslessDb = 99.0;

struct Rgba {
    int nWidth = 0, nHeight = 0;
    std::vector<std::uint8_t> bytes;  // red, green, blue, alpha
    std::uint8_t* At(int x, int y) { return &bytes[4 * (static_cast<std::size_t>(y) * nWidth + x)]; }
};

// ---- PNG files through libspng ----

bool WritePng(const std::string& path, const Rgba& image)
{
    spng_ctx* pContext = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_ihdr ihdr{};
    ihdr.width = static_cast<std::uint32_t>(image.nWidth);
    ihdr.height = static_cast<std::uint32_t>(image.nHeight);
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    bool bOk = pContext && pFile && spng_set_png_file(pContext, pFile) == 0 && spng_set_ihdr(pContext, &ihdr) == 0 &&
               spng_encode_image(pContext, image.bytes.data(), image.bytes.size(), SPNG_FMT_PNG,
                                 SPNG_ENCODE_FINALIZE) == 0;
    spng_ctx_free(pContext);
    if (pFile)
        bOk = std::fclose(pFile) == 0 && bOk;
    return bOk;
}

bool ReadPng(const std::string& path, Rgba* pImage)
{
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    if (!pFile)
        return false;
    spng_ctx* pContext = spng_ctx_new(0);
    spng_ihdr ihdr{};
    std::size_t nSize = 0;
    bool bOk = pContext && spng_set_png_file(pContext, pFile) == 0 && spng_get_ihdr(pContext, &ihdr) == 0 &&
               spng_decoded_image_size(pContext, SPNG_FMT_RGBA8, &nSize) == 0;
    if (bOk) {
        pImage->nWidth = static_cast<int>(ihdr.width);
        pImage->nHeight = static_cast<int>(ihdr.height);
        pImage->bytes.resize(nSize);
        bOk = spng_decode_image(pContext, pImage->bytes.data(), nSize, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) == 0;
    }
    spng_ctx_free(pContext);
    std::fclose(pFile);
    return bOk;
}

// ---- generated images ----

struct Random {
    std::uint32_t nState;
    std::uint32_t Next()
    {
        nState ^= nState << 13;
        nState ^= nState >> 17;
        nState ^= nState << 5;
        return nState;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
};

std::uint8_t Byte(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

Rgba Blank()
{
    Rgba image;
    image.nWidth = image.nHeight = kSide;
    image.bytes.assign(4 * kSide * kSide, 0);
    return image;
}

template <typename Fn>
Rgba Paint(Fn fn)
{
    Rgba image = Blank();
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x)
            fn(x, y, image.At(x, y));
    }
    return image;
}

void Put(std::uint8_t* p, double r, double g, double b, double a = 255)
{
    p[0] = Byte(r);
    p[1] = Byte(g);
    p[2] = Byte(b);
    p[3] = Byte(a);
}

Rgba Gradient(int nVariant)
{
    return Paint([nVariant](int x, int y, std::uint8_t* p) {
        const double u = x / 511.0, v = y / 511.0;
        const double d = std::hypot(u - 0.4, v - 0.6);
        switch (nVariant) {
        case 0: Put(p, 255 * u, 255 * v, 128); break;
        case 1: Put(p, 40 + 200 * d, 90 + 120 * (1 - d), 200 - 150 * d); break;
        case 2: Put(p, 255 * v, 120 + 100 * u, 255 * (1 - v), 255 * u); break;
        case 3: Put(p, 128 + 127 * std::sin(6 * u), 128 + 127 * std::sin(5 * v + 1), 128 + 127 * std::sin(4 * (u + v) + 2));
            break;
        default: Put(p, 60 + 120 * v + 200 * std::exp(-40 * d * d), 110 + 90 * v + 150 * std::exp(-40 * d * d),
                     230 - 60 * v + 20 * std::exp(-40 * d * d));
        }
    });
}

// Value noise: bilinear between random lattice values, two octaves.
double Lattice(std::uint32_t nSeed, int i, int j)
{
    std::uint32_t h = nSeed ^ static_cast<std::uint32_t>(i) * 73856093u ^ static_cast<std::uint32_t>(j) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFF) / 65535.0;
}

double Smooth(std::uint32_t nSeed, double x, double y)
{
    const int i = static_cast<int>(x), j = static_cast<int>(y);
    const double fx = x - i, fy = y - j;
    return (Lattice(nSeed, i, j) * (1 - fx) + Lattice(nSeed, i + 1, j) * fx) * (1 - fy) +
           (Lattice(nSeed, i, j + 1) * (1 - fx) + Lattice(nSeed, i + 1, j + 1) * fx) * fy;
}

Rgba Noise(int nVariant)
{
    Random random{0x1234567u + static_cast<std::uint32_t>(nVariant)};
    return Paint([&](int x, int y, std::uint8_t* p) {
        const std::uint32_t n = random.Next();
        const int b0 = n & 0xFF, b1 = n >> 8 & 0xFF, b2 = n >> 16 & 0xFF, b3 = n >> 24;
        switch (nVariant) {
        case 0: Put(p, b0, b1, b2); break;
        case 1: Put(p, b0, b1, b2, b3); break;
        case 2: Put(p, x / 2 + b0 % 17 - 8, y / 2 + b1 % 17 - 8, 128 + b2 % 17 - 8); break;
        case 3: Put(p, b0, b0, b0); break;
        default:
            Put(p, 255 * Smooth(1, x / 32.0, y / 32.0) * 0.7 + 0.3 * 255 * Smooth(2, x / 8.0, y / 8.0),
                255 * Smooth(3, x / 32.0, y / 32.0), 255 * Smooth(4, x / 16.0, y / 16.0));
        }
    });
}

// 5 x 7 glyphs (digits and a few capitals), one row of 5 bits a byte.
constexpr std::uint8_t kGlyphs[][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F},
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
};
constexpr int kGlyphCount = sizeof kGlyphs / sizeof kGlyphs[0];

// Coverage (0..1) of glyph ink at pixel (x, y), 4 x 4 samples, for text set
// at a scale of `dScale` pixels a glyph dot, one line every 9 dots.
double Ink(const std::vector<int>& text, int nColumns, double dScale, int x, int y)
{
    int nHits = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double u = (x + (sx + 0.5) / 4) / dScale, v = (y + (sy + 0.5) / 4) / dScale;
            const int nColumn = static_cast<int>(u / 6), nLine = static_cast<int>(v / 9);
            const int gx = static_cast<int>(u) % 6, gy = static_cast<int>(v) % 9 - 1;
            if (gx >= 5 || gy < 0 || gy >= 7 || nColumn >= nColumns)
                continue;
            const std::size_t nAt = static_cast<std::size_t>(nLine * nColumns + nColumn);
            const int nGlyph = nAt < text.size() ? text[nAt] : -1;
            nHits += nGlyph >= 0 && (kGlyphs[nGlyph][gy] >> (4 - gx) & 1);
        }
    }
    return nHits / 16.0;
}

Rgba Text(int nVariant)
{
    const double scales[] = {2.5, 3.3, 2.2, 4.1, 1.6};
    const double dScale = scales[nVariant];
    const int nColumns = static_cast<int>(kSide / (6 * dScale));
    Random random{0xBEEFu + static_cast<std::uint32_t>(nVariant)};
    std::vector<int> text(4096);
    for (int& nGlyph : text)
        nGlyph = random.Below(kGlyphCount + 3) - 3;  // some spaces
    return Paint([&](int x, int y, std::uint8_t* p) {
        const double k = Ink(text, nColumns, dScale, x, y);
        const double u = x / 511.0, v = y / 511.0;
        switch (nVariant) {
        case 0: Put(p, 250 - 240 * k, 250 - 240 * k, 245 - 230 * k); break;
        case 1: Put(p, 255, 255, 255, 255 * k); break;
        case 2: Put(p, (1 - k) * 255 * u + k * 250, (1 - k) * 200 * v + k * 240, (1 - k) * 120 + k * 30); break;
        case 3: {
            const int nLine = static_cast<int>(y / dScale / 9);
            const double hue[3] = {nLine % 3 == 0 ? 255.0 : 60.0, nLine % 3 == 1 ? 230.0 : 90.0, nLine % 3 == 2 ? 255.0 : 40.0};
            Put(p, 20 + k * hue[0], 24 + k * hue[1], 32 + k * hue[2]);
            break;
        }
        default: Put(p, 128 + 100 * k, 128 + 100 * k, 128 + 100 * k);
        }
    });
}

// A rounded rectangle's coverage of pixel (x, y), 4 x 4 samples.
double RoundedCover(int x, int y, double x0, double y0, double x1, double y1, double dRadius)
{
    int nHits = 0;
    for (int s = 0; s < 16; ++s) {
        const double px = x + (s % 4 + 0.5) / 4, py = y + (s / 4 + 0.5) / 4;
        const double dx = std::max({x0 + dRadius - px, 0.0, px - (x1 - dRadius)});
        const double dy = std::max({y0 + dRadius - py, 0.0, py - (y1 - dRadius)});
        nHits += px >= x0 && px < x1 && py >= y0 && py < y1 && dx * dx + dy * dy <= dRadius * dRadius;
    }
    return nHits / 16.0;
}

void Blend(std::uint8_t* p, const double rgba[4], double dCover)
{
    const double a = rgba[3] / 255 * dCover, dBase = p[3] / 255.0;
    const double dOut = a + dBase * (1 - a);
    for (int c = 0; c < 3 && dOut > 0; ++c)
        p[c] = Byte((rgba[c] * a + p[c] * dBase * (1 - a)) / dOut);
    p[3] = Byte(255 * dOut);
}

Rgba Interface(int nVariant)
{
    const bool bDark = nVariant == 1, bFloating = nVariant == 2, bHard = nVariant == 3;
    Random random{0xC0FFEEu + static_cast<std::uint32_t>(nVariant)};
    Rgba image = Paint([&](int, int, std::uint8_t* p) {
        if (!bFloating)
            Put(p, bDark ? 34 : 236, bDark ? 36 : 236, bDark ? 42 : 240);
    });
    const double palette[][4] = {{53, 132, 228, 255}, {46, 194, 126, 255}, {224, 27, 36, 255},
                                 {246, 211, 45, 255}, {119, 118, 123, 255}, {255, 255, 255, 255}};
    for (int nPanel = 0; nPanel < 40; ++nPanel) {
        const double x0 = random.Below(440), y0 = random.Below(460);
        const double x1 = x0 + 24 + random.Below(120), y1 = y0 + 16 + random.Below(50);
        const double* pColor = palette[random.Below(6)];
        const double dRadius = bHard ? 0 : 3 + random.Below(8);
        for (int y = std::max(0, int(y0) - 8); y < std::min(kSide, int(y1) + 8); ++y) {
            for (int x = std::max(0, int(x0) - 8); x < std::min(kSide, int(x1) + 8); ++x) {
                if (bFloating) {  // a soft shadow under each panel
                    const double shadow[4] = {0, 0, 0, 60};
                    const double d = std::hypot(std::max({x0 - x, 0.0, x - x1}), std::max({y0 + 3 - y, 0.0, y - y1 - 3}));
                    Blend(image.At(x, y), shadow, std::max(0.0, 1 - d / 8));
                }
                const double dCover = bHard ? (x >= x0 && x < x1 && y >= y0 && y < y1)
                                            : RoundedCover(x, y, x0, y0, x1, y1, dRadius);
                const double border[4] = {pColor[0] * 0.7, pColor[1] * 0.7, pColor[2] * 0.7, 255};
                Blend(image.At(x, y), border, dCover);
                const double dInner = bHard ? (x >= x0 + 1 && x < x1 - 1 && y >= y0 + 1 && y < y1 - 1)
                                            : RoundedCover(x, y, x0 + 1, y0 + 1, x1 - 1, y1 - 1, dRadius);
                Blend(image.At(x, y), pColor, dInner);
            }
        }
    }
    if (nVariant == 4) {  // pixel art: 8 colours in 8 x 8 blocks, some of them transparent
        return Paint([&](int x, int y, std::uint8_t* p) {
            const int nCell = static_cast<int>(Lattice(7, x / 8, y / 8) * 8) % 8;
            const double* pColor = palette[nCell % 6];
            Put(p, pColor[0] * (nCell < 6 ? 1 : 0.5), pColor[1], pColor[2], (x / 8 + y / 8) % 5 ? 255 : 0);
        });
    }
    return image;
}

// ---- measuring ----

double Psnr(const Rgba& original, const Rgba& shown)
{
    if (original.bytes.size() != shown.bytes.size())
        return 0;
    double dSum = 0;
    for (std::size_t i = 0; i < original.bytes.size(); i += 4) {
        const std::uint8_t* p = &original.bytes[i];
        const std::uint8_t* s = &shown.bytes[i];
        for (int c = 0; c < 3; ++c) {
            const double d = (p[c] * p[3] - s[c] * s[3]) / 255.0;
            dSum += d * d;
        }
        dSum += double(p[3] - s[3]) * (p[3] - s[3]);
    }
    const double dMse = dSum / static_cast<double>(original.bytes.size());
    return dMse > 0 ? std::min(kLosslessDb, 10 * std::log10(255.0 * 255.0 / dMse)) : kLosslessDb;
}

struct Run {
    bool bOk = false;
    double dCpu = 1e9;  // best of the runs, seconds
    long nPeakKiB = 0;
};

// argv[0] is searched on the path.
void RunChild(const std::vector<std::string>& args, Run* pRun)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int nStatus = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &nStatus, 0, &usage) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0) {
        pRun->bOk = false;
        return;
    }
    const double dCpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    pRun->bOk = true;
    pRun->dCpu = std::min(pRun->dCpu, dCpu);
    pRun->nPeakKiB = std::max(pRun->nPeakKiB, usage.ru_maxrss);
}

// Our output: the entry count (2 bytes, little-endian), the entries (RGBA),
// one index a pixel.
bool ReadOurs(const std::string& path, int nWidth, int nHeight, Rgba* pShown)
{
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    if (!pFile)
        return false;
    std::uint8_t count[2] = {};
    std::uint8_t entries[256 * 4] = {};
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(nWidth) * nHeight);
    const bool bOk = std::fread(count, 1, 2, pFile) == 2 && (count[0] | count[1] << 8) <= 256 &&
                     std::fread(entries, 4, std::size_t(count[0] | count[1] << 8), pFile) ==
                         std::size_t(count[0] | count[1] << 8) &&
                     std::fread(indices.data(), 1, indices.size(), pFile) == indices.size();
    std::fclose(pFile);
    pShown->nWidth = nWidth;
    pShown->nHeight = nHeight;
    pShown->bytes.resize(4 * indices.size());
    for (std::size_t i = 0; i < indices.size() && bOk; ++i)
        std::memcpy(&pShown->bytes[4 * i], &entries[4 * indices[i]], 4);
    return bOk;
}

// The child: what the CLI will do for --format t8 --colors N --binary.
int ConvertChild(int nColors, const char* pszInput, const char* pszOutput)
{
    zandrel::DecodedImage image;
    int nDetail = 0;
    if (zandrel::DecodeImageFile(CString(pszInput), zandrel::kBmpAndPng, &image, &nDetail) != zandrel::Refusal::kNone)
        return 2;
    std::vector<std::uint8_t> expanded;
    q::PixelView view;
    if (image.eShape == zandrel::ImageShape::kIndexed) {
        const zandrel::IndexedImage& indexed = image.indexed;
        expanded.resize(4 * static_cast<std::size_t>(indexed.nWidth) * indexed.nHeight);
        for (std::size_t i = 0; i < expanded.size() / 4; ++i) {
            const zandrel::PaletteColor& color = indexed.colors[indexed.indices.Data()[i]];
            const std::uint8_t rgba[4] = {color.nRed, color.nGreen, color.nBlue, color.nAlpha};
            std::memcpy(&expanded[4 * i], rgba, 4);
        }
        view = {expanded.data(), indexed.nWidth, indexed.nHeight, 4 * static_cast<std::size_t>(indexed.nWidth),
                q::ChannelOrder::kRgba};
    } else {
        const zandrel::TrueColorImage& trueColor = image.trueColor;
        view = {trueColor.pixels.Data(), trueColor.nWidth, trueColor.nHeight,
                4 * static_cast<std::size_t>(trueColor.nWidth), q::ChannelOrder::kBgra};
    }
    q::CColorHistogram histogram(q::ClutRule{});
    q::QuantizeOptions options;
    options.nMaxColors = nColors;
    q::Palette palette;
    zandrel::LargeBuffer indices;
    const std::size_t nPixels = static_cast<std::size_t>(view.nWidth) * static_cast<std::size_t>(view.nHeight);
    if (histogram.Add(view) != q::QuantizeStatus::kDone ||
        q::Quantize(histogram, options, &palette) != q::QuantizeStatus::kDone || !indices.Allocate(nPixels) ||
        q::Remap(view, palette, false, indices.Data(), nPixels) != q::QuantizeStatus::kDone)
        return 3;
    std::FILE* pFile = std::fopen(pszOutput, "wb");
    if (!pFile)
        return 4;
    const std::uint8_t count[2] = {static_cast<std::uint8_t>(palette.nCount), static_cast<std::uint8_t>(palette.nCount >> 8)};
    bool bOk = std::fwrite(count, 1, 2, pFile) == 2;
    for (int i = 0; i < palette.nCount; ++i)
        bOk = bOk && std::fwrite(&palette.entries[i], 4, 1, pFile) == 1;
    bOk = bOk && std::fwrite(indices.Data(), 1, nPixels, pFile) == nPixels;
    return std::fclose(pFile) == 0 && bOk ? 0 : 4;
}

struct Sample {
    std::string className, path;
};

struct ClassTotals {
    std::string name;
    int nImages = 0;
    double dPsnr[2][2] = {};  // [256 / 16][ours / pngquant], summed
    int nWins[2] = {};        // images where ours is at least as good
    double dCpu[2] = {};      // ours, pngquant
    long nPeakKiB = 0, nLibPeakKiB = 0;
    double dBudgetKiB = 0;
    bool bFailed = false;
};

void Measure(const std::string& self, const std::string& scratch, const Sample& sample, int nRuns, bool bVerbose,
             ClassTotals* pTotals)
{
    Rgba original;
    if (!ReadPng(sample.path, &original)) {
        std::fprintf(stderr, "cannot read %s\n", sample.path.c_str());
        pTotals->bFailed = true;
        return;
    }
    ++pTotals->nImages;
    const double dPixels = double(original.nWidth) * original.nHeight;
    pTotals->dBudgetKiB = std::max(pTotals->dBudgetKiB, (8 * dPixels + 16 * 1048576.0) / 1024);
    const int colors[2] = {256, 16};
    if (bVerbose)
        std::printf("%-60s", sample.path.c_str());
    for (int k = 0; k < 2; ++k) {
        const std::string n = std::to_string(colors[k]);
        const std::string ours = scratch + "/ours.bin", theirs = scratch + "/theirs.png";
        Run our, their;
        for (int nRun = 0; nRun < nRuns; ++nRun) {
            RunChild({self, "--convert", n, sample.path, ours}, &our);
            RunChild({"pngquant", "--nofs", "--force", "--output", theirs, n, sample.path}, &their);
        }
        Rgba shownOurs, shownTheirs;
        if (!our.bOk || !their.bOk || !ReadOurs(ours, original.nWidth, original.nHeight, &shownOurs) ||
            !ReadPng(theirs, &shownTheirs)) {
            std::fprintf(stderr, "%s at %s colours: %s failed\n", sample.path.c_str(), n.c_str(),
                         our.bOk ? "pngquant" : "ours");
            pTotals->bFailed = true;
            return;
        }
        const double dOurs = Psnr(original, shownOurs), dTheirs = Psnr(original, shownTheirs);
        pTotals->dPsnr[k][0] += dOurs;
        pTotals->dPsnr[k][1] += dTheirs;
        pTotals->nWins[k] += dOurs >= dTheirs;
        pTotals->dCpu[0] += our.dCpu;
        pTotals->dCpu[1] += their.dCpu;
        pTotals->nPeakKiB = std::max(pTotals->nPeakKiB, our.nPeakKiB);
        pTotals->nLibPeakKiB = std::max(pTotals->nLibPeakKiB, their.nPeakKiB);
        if (bVerbose)
            std::printf("  %3s: %6.2f %6.2f dB %5.3f %5.3f s", n.c_str(), dOurs, dTheirs, our.dCpu, their.dCpu);
    }
    if (bVerbose)
        std::printf("\n");
}

std::vector<Sample> Generate(const std::string& scratch)
{
    std::vector<Sample> samples;
    const struct {
        const char* pszName;
        Rgba (*pfnMake)(int);
    } classes[] = {{"gradients", Gradient}, {"noise", Noise}, {"text", Text}, {"ui", Interface}};
    std::filesystem::create_directories(scratch + "/generated");
    for (const auto& entry : classes) {
        for (int nVariant = 0; nVariant < 5; ++nVariant) {
            const std::string path =
                scratch + "/generated/" + entry.pszName + std::to_string(nVariant) + ".png";
            if (!std::filesystem::exists(path) && !WritePng(path, entry.pfnMake(nVariant)))
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
            samples.push_back({entry.pszName, path});
        }
    }
    return samples;
}

// "CLASS=FOLDER[:STEP]": every STEP-th PNG under FOLDER, sorted by path.
void AddArt(const std::string& artClass, std::vector<Sample>* pSamples)
{
    const std::size_t nEquals = artClass.find('='), nColon = artClass.rfind(':');
    const std::string name = artClass.substr(0, nEquals);
    const bool bStep = nColon != std::string::npos && nColon > nEquals;
    const std::string folder = artClass.substr(nEquals + 1, bStep ? nColon - nEquals - 1 : std::string::npos);
    const std::size_t nStep = bStep ? std::max(1, std::atoi(artClass.c_str() + nColon + 1)) : 1;
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".png")
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    for (std::size_t i = 0; i < paths.size(); i += nStep)
        pSamples->push_back({name, paths[i]});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--convert") == 0)
        return ConvertChild(std::atoi(argv[2]), argv[3], argv[4]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zandrel-quant-bench SCRATCH [--runs R] [--verbose] [CLASS=FOLDER[:STEP]]...\n");
        return 2;
    }
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string scratch = argv[1];
    int nRuns = 3;
    bool bVerbose = false;
    std::vector<Sample> samples = Generate(scratch);
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            nRuns = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--verbose") == 0)
            bVerbose = true;
        else
            AddArt(argv[i], &samples);
    }

    std::vector<ClassTotals> totals;
    for (const Sample& sample : samples) {
        if (totals.empty() || totals.back().name != sample.className)
            totals.push_back({sample.className});
        Measure(self, scratch, sample, nRuns, bVerbose, &totals.back());
    }

    std::printf("%-10s %6s  %15s  %15s  %7s  %9s  %10s  %10s\n", "class", "images", "PSNR 256 ours/lq",
                "PSNR 16 ours/lq", "wins", "CPU ratio", "peak KiB", "budget KiB");
    bool bFailed = false;
    ClassTotals all{"all"};
    for (const ClassTotals& t : totals) {
        bFailed |= t.bFailed;
        const double n = std::max(1, t.nImages);
        std::printf("%-10s %6d  %7.2f/%7.2f  %7.2f/%7.2f  %3d/%3d  %9.2f  %10ld  %10.0f\n", t.name.c_str(), t.nImages,
                    t.dPsnr[0][0] / n, t.dPsnr[0][1] / n, t.dPsnr[1][0] / n, t.dPsnr[1][1] / n, t.nWins[0], t.nWins[1],
                    t.dCpu[0] / std::max(t.dCpu[1], 1e-9), t.nPeakKiB, t.dBudgetKiB);
        all.nImages += t.nImages;
        for (int k = 0; k < 2; ++k) {
            all.dPsnr[k][0] += t.dPsnr[k][0];
            all.dPsnr[k][1] += t.dPsnr[k][1];
            all.nWins[k] += t.nWins[k];
            all.dCpu[k] += t.dCpu[k];
        }
        all.nPeakKiB = std::max(all.nPeakKiB, t.nPeakKiB);
        all.nLibPeakKiB = std::max(all.nLibPeakKiB, t.nLibPeakKiB);
    }
    const double n = std::max(1, all.nImages);
    std::printf("%-10s %6d  %7.2f/%7.2f  %7.2f/%7.2f  %3d/%3d  %9.2f  %10ld  (pngquant peak %ld KiB)\n", "all",
                all.nImages, all.dPsnr[0][0] / n, all.dPsnr[0][1] / n, all.dPsnr[1][0] / n, all.dPsnr[1][1] / n,
                all.nWins[0], all.nWins[1], all.dCpu[0] / std::max(all.dCpu[1], 1e-9), all.nPeakKiB, all.nLibPeakKiB);
    std::printf("CPU seconds in all: ours %.2f, pngquant %.2f (best of %d runs each)\n", all.dCpu[0], all.dCpu[1],
                nRuns);
    return bFailed ? 1 : 0;
}

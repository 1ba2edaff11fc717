// zandrel-atlas-bench: how full the atlas packer fills its pages and how long
// it takes, on real icons and generated sprites, with and without trimming.
//
//   zandrel-atlas-bench [icon-folder] [runs]
//
// Real art: every 19th PNG of icon-folder (default /usr/share/icons/Adwaita,
// Debian's adwaita-icon-theme) in path order whose sides are at most 256;
// generated: 120 sprites of 8 to 128 texels a side with transparent borders
// of up to a quarter of their size. Occupancy is sprite texels over page
// texels, the last page excluded (it holds what is left), and over all
// pages. Time is the best of `runs` (5) packings, trimming included.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/atlas/atlas_packer.h"
#include "convert/atlas/sprite_trim.h"
#include "convert/image_file.h"

namespace {

using namespace zandrel;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kIconStride = 19;
constexpr int kMaxIconSide = 256;
constexpr int kGeneratedSprites = 120;

// A decoded icon as RGBA8; an empty image when it is not one we take.
SpriteImage ToSpriteImage(const DecodedImage& decoded)
{
    const bool bIndexed = decoded.eShape == ImageShape::kIndexed;
    const int nWidth = bIndexed ? decoded.indexed.nWidth : decoded.trueColor.nWidth;
    const int nHeight = bIndexed ? decoded.indexed.nHeight : decoded.trueColor.nHeight;
    if (nWidth > kMaxIconSide || nHeight > kMaxIconSide)
        return {};
    SpriteImage image = MakeSpriteImage(nWidth, nHeight);
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            std::uint32_t nTexel = 0;
            if (bIndexed) {
                const PaletteColor& c = decoded.indexed.colors[decoded.indexed.indices.Data()[y * nWidth + x]];
                nTexel = c.nRed | c.nGreen << 8 | c.nBlue << 16 | std::uint32_t(c.nAlpha) << 24;
            } else {
                const std::uint8_t* p = decoded.trueColor.pixels.Data() + (std::size_t(y) * std::size_t(nWidth) + x) * 4;
                nTexel = p[2] | p[1] << 8 | p[0] << 16 | std::uint32_t(p[3]) << 24;
            }
            image.texels[std::size_t(y) * std::size_t(nWidth) + std::size_t(x)] = nTexel;
        }
    }
    return image;
}

std::vector<Sprite> LoadIcons(const std::string& folder)
{
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".png")
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Sprite> sprites;
    for (std::size_t i = 0; i < paths.size(); i += kIconStride) {
        DecodedImage decoded;
        int nDetail = 0;
        if (DecodeImageFile(CString(paths[i]), kBmpAndPng, &decoded, &nDetail) != Refusal::kNone)
            continue;
        SpriteImage image = ToSpriteImage(decoded);
        if (image.nWidth > 0)
            sprites.push_back(MakeSprite(paths[i].substr(folder.size()), std::move(image)));
    }
    return sprites;
}

std::vector<Sprite> GenerateSprites()
{
    std::uint32_t nState = 18;
    const auto next = [&nState](int nRange) {
        nState = nState * 1664525u + 1013904223u;
        return int((nState >> 8) % std::uint32_t(nRange));
    };
    std::vector<Sprite> sprites;
    for (int i = 0; i < kGeneratedSprites; ++i) {
        SpriteImage image = MakeSpriteImage(8 + next(121), 8 + next(121));
        const int nBorderX = next(image.nWidth / 4 + 1), nBorderY = next(image.nHeight / 4 + 1);
        for (int y = nBorderY; y < image.nHeight - nBorderY; ++y) {
            for (int x = nBorderX; x < image.nWidth - nBorderX; ++x)
                image.texels[std::size_t(y) * std::size_t(image.nWidth) + std::size_t(x)] = 0xFF000000u | nState;
        }
        sprites.push_back(MakeSprite("generated/" + std::to_string(1000 + i), std::move(image)));
    }
    return sprites;
}

struct Measure {
    PackedAtlas atlas;
    double dSeconds = 1e9;
};

Measure Run(const std::vector<Sprite>& sprites, bool bTrim, const AtlasOptions& options, int nRuns)
{
    Measure measure;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        const Clock::time_point start = Clock::now();
        std::vector<Sprite> packed;
        if (bTrim) {
            for (const Sprite& sprite : sprites)
                packed.push_back(TrimSprite(sprite));
        }
        PackedAtlas atlas = PackAtlas(bTrim ? packed : sprites, options);
        measure.dSeconds = std::min(measure.dSeconds, std::chrono::duration<double>(Clock::now() - start).count());
        measure.atlas = std::move(atlas);
    }
    return measure;
}

void Report(const char* pszCase, const Measure& measure)
{
    const PackedAtlas& atlas = measure.atlas;
    if (atlas.problem.Refused()) {
        std::printf("%-22s refused: %s\n", pszCase, DescribeAtlasProblem(atlas.problem).c_str());
        return;
    }
    std::vector<double> spriteTexels(atlas.pages.size(), 0);
    for (const AtlasEntry& entry : atlas.entries)
        spriteTexels[std::size_t(entry.nPage)] += double(entry.w) * entry.h;
    double dFull = 0, dFullPages = 0, dAll = 0, dAllPages = 0;
    std::string sizes;
    for (std::size_t i = 0; i < atlas.pages.size(); ++i) {
        const double dPage = double(atlas.pages[i].nWidth) * atlas.pages[i].nHeight;
        dAll += spriteTexels[i];
        dAllPages += dPage;
        if (i + 1 < atlas.pages.size()) {
            dFull += spriteTexels[i];
            dFullPages += dPage;
        }
        char szPage[24];
        std::snprintf(szPage, sizeof szPage, "%s%dx%d", i ? " " : "", atlas.pages[i].nWidth, atlas.pages[i].nHeight);
        sizes += szPage;
    }
    char szFull[16] = "-";
    if (dFullPages > 0)
        std::snprintf(szFull, sizeof szFull, "%.1f %%", 100 * dFull / dFullPages);
    std::printf("%-22s %7zu %8.0f %8s %8.1f %% %8.2f ms   %s\n", pszCase, atlas.entries.size(), dAll, szFull,
                100 * dAll / dAllPages, 1000 * measure.dSeconds, sizes.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "/usr/share/icons/Adwaita";
    const int nRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::vector<Sprite> icons = LoadIcons(folder);
    const std::vector<Sprite> generated = GenerateSprites();
    std::vector<Sprite> mixed = icons;
    mixed.insert(mixed.end(), generated.begin(), generated.end());
    std::printf("%zu icons from %s, %zu generated sprites; pages of at most 512x512, padding 1\n", icons.size(),
                folder.c_str(), generated.size());
    std::printf("%-22s %7s %8s %8s %10s %11s   %s\n", "case", "sprites", "texels", "full", "all pages", "time",
                "pages");
    struct Case {
        const char* pszName;
        const std::vector<Sprite>* pSprites;
        bool bTrim;
        int nExtrude, nAlignment;
    };
    const Case cases[] = {
        {"icons+generated", &mixed, false, 0, 1},   {"icons+generated trim", &mixed, true, 0, 1},
        {"icons", &icons, false, 0, 1},             {"icons trim", &icons, true, 0, 1},
        {"generated", &generated, false, 0, 1},     {"generated trim", &generated, true, 0, 1},
        {"mixed trim extrude 2", &mixed, true, 2, 1}, {"mixed trim align 4", &mixed, true, 0, 4},
    };
    for (const Case& c : cases) {
        AtlasOptions options;
        options.nExtrude = c.nExtrude;
        options.nAlignment = c.nAlignment;
        Report(c.pszName, Run(*c.pSprites, c.bTrim, options, nRuns));
    }
    return 0;
}

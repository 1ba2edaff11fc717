// Fuzzes the atlas packer and compositor: page size, padding, extrusion and
// alignment from the first bytes, then one sprite size per two bytes.
#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "convert/atlas/atlas_compositor.h"
#include "convert/atlas/atlas_packer.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// Bounds on the sprites of one input, so pages stay few and each run fast.
constexpr std::size_t kMaxSprites = 64;
constexpr std::size_t kMaxSpriteTexels = std::size_t{1} << 16;

// A texel no two nearby positions share, alpha 0 now and then.
std::uint32_t PatternTexel(std::size_t nSprite, int x, int y)
{
    std::uint32_t n = std::uint32_t(nSprite) * 0x9E3779B1u ^ std::uint32_t(x) * 0x85EBCA77u ^
                      std::uint32_t(y) * 0xC2B2AE3Du;
    n ^= n >> 15;
    n *= 0x2C1B3C6Du;
    return n ^ (n >> 12);
}

// Whether a sprite can lie on an empty page: its first texel at a multiple of the alignment with extrusion and
// padding before and after it. Cells are whole blocks, so an aligned packer may lose up to alignment - 1.
bool Fits(const Sprite& sprite, const AtlasOptions& o)
{
    const int nFirst = (o.nExtrude + o.nPadding + o.nAlignment - 1) / o.nAlignment * o.nAlignment;
    const auto fits = [&](int nTexels, int nSide) {
        return nFirst + nTexels + o.nExtrude + o.nPadding <= nSide - (o.nAlignment - 1);
    };
    return fits(sprite.image.nWidth, o.nPageWidth) && fits(sprite.image.nHeight, o.nPageHeight);
}

void CheckPlacement(const PackedAtlas& atlas, const std::vector<Sprite>& sprites, const AtlasOptions& o)
{
    const int e = o.nExtrude, p = o.nPadding;
    // Extrusion blocks apart by at least the padding.
    const auto apart = [&](const AtlasEntry& a, const AtlasEntry& b) {
        return a.nPage != b.nPage || a.x + a.w + e + p <= b.x - e || b.x + b.w + e + p <= a.x - e ||
               a.y + a.h + e + p <= b.y - e || b.y + b.h + e + p <= a.y - e;
    };
    Check(atlas.entries.size() == sprites.size() && !atlas.pages.empty(), "a sprite has no row");
    std::vector<AtlasPage> needed(atlas.pages.size(), AtlasPage{1, 1});
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const AtlasEntry& entry = atlas.entries[i];
        Check(entry.nPage >= 0 && std::size_t(entry.nPage) < atlas.pages.size(), "a row names no page");
        const AtlasPage& page = atlas.pages[std::size_t(entry.nPage)];
        Check(entry.w == sprites[i].image.nWidth && entry.h == sprites[i].image.nHeight &&
                  entry.nSourceWidth == sprites[i].nSourceWidth && entry.nOffsetX == sprites[i].nOffsetX,
              "a row does not hold its sprite's size");
        Check(entry.x % o.nAlignment == 0 && entry.y % o.nAlignment == 0, "a sprite is not aligned");
        Check(entry.x - e >= p && entry.y - e >= p && entry.x + entry.w + e + p <= page.nWidth &&
                  entry.y + entry.h + e + p <= page.nHeight,
              "a sprite, its extrusion or padding passes its page");
        for (std::size_t j = 0; j < i; ++j)
            Check(apart(entry, atlas.entries[j]), "two sprites overlap once padding is counted");
        AtlasPage& need = needed[std::size_t(entry.nPage)];
        need.nWidth = std::max(need.nWidth, entry.x + entry.w + e + p);
        need.nHeight = std::max(need.nHeight, entry.y + entry.h + e + p);
    }
    for (std::size_t n = 0; n < atlas.pages.size(); ++n) {
        const AtlasPage& page = atlas.pages[n];
        Check(page.nWidth == int(std::bit_ceil(unsigned(needed[n].nWidth))) &&
                  page.nHeight == int(std::bit_ceil(unsigned(needed[n].nHeight))) && page.nWidth <= o.nPageWidth &&
                  page.nHeight <= o.nPageHeight,
              "a page is not the smallest power of two holding its sprites");
    }
}

// Each page read back: every texel of a sprite's extruded block is the
// sprite's nearest texel; every other texel is transparent black.
void CheckPages(const PackedAtlas& atlas, const std::vector<Sprite>& sprites)
{
    const int e = atlas.options.nExtrude;
    for (std::size_t n = 0; n < atlas.pages.size(); ++n) {
        SpriteImage page;
        Check(ComposeAtlasPage(atlas, sprites, int(n), &page), "a page is not composed");
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            const AtlasEntry& entry = atlas.entries[i];
            const SpriteImage& image = sprites[i].image;
            for (int y = -e; entry.nPage == int(n) && y < entry.h + e; ++y) {
                for (int x = -e; x < entry.w + e; ++x) {
                    std::uint32_t& texel = page.texels[std::size_t(entry.y + y) * std::size_t(page.nWidth) +
                                                       std::size_t(entry.x + x)];
                    Check(texel == image.At(std::clamp(x, 0, entry.w - 1), std::clamp(y, 0, entry.h - 1)),
                          "a sprite or its extrusion reads back wrong");
                    texel = 0;
                }
            }
        }
        Check(std::all_of(page.texels.begin(), page.texels.end(), [](std::uint32_t t) { return t == 0; }),
              "a padding texel is not transparent black");
    }
}

}  // namespace

int FuzzPack(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 5)
        return 0;
    const AtlasOptions options{.nPageWidth = 1 << (pData[0] % 10), .nPageHeight = 1 << (pData[1] % 10),
                               .nPadding = pData[2] % 12, .nExtrude = pData[3] % 6,
                               .nAlignment = (pData[4] & 1) ? 4 : 1};
    std::vector<Sprite> sprites;
    std::size_t nTexels = 0;
    for (std::size_t i = 5; i + 1 < nSize && sprites.size() < kMaxSprites && nTexels < kMaxSpriteTexels; i += 2) {
        SpriteImage image = MakeSpriteImage(1 + pData[i], 1 + pData[i + 1]);
        for (std::size_t k = 0; k < image.texels.size(); ++k)
            image.texels[k] = PatternTexel(i, int(k % std::size_t(image.nWidth)), int(k / std::size_t(image.nWidth)));
        nTexels += image.texels.size();
        sprites.push_back(MakeSprite(std::to_string(i), std::move(image)));
    }
    const PackedAtlas atlas = PackAtlas(sprites, options);
    if (sprites.empty()) {
        Check(atlas.problem.eRefusal == AtlasRefusal::kNoSprites, "an empty atlas is not refused");
        return 0;
    }
    if (atlas.problem.Refused()) {
        const auto refused = std::find_if(sprites.begin(), sprites.end(),
                                          [&](const Sprite& s) { return s.name == atlas.problem.strSprite; });
        Check(atlas.problem.eRefusal == AtlasRefusal::kSpriteTooLarge && refused != sprites.end() &&
                  !Fits(*refused, options) && atlas.pages.empty() && atlas.entries.empty(),
              "an atlas is refused for a sprite that fits");
        return 0;
    }
    CheckPlacement(atlas, sprites, options);
    CheckPages(atlas, sprites);

    // The same sprites in the opposite order: the same pages and places.
    const PackedAtlas again = PackAtlas(std::vector<Sprite>(sprites.rbegin(), sprites.rend()), options);
    bool bSame = again.pages.size() == atlas.pages.size() && again.entries.size() == atlas.entries.size();
    for (std::size_t i = 0; bSame && i < atlas.pages.size(); ++i)
        bSame = again.pages[i].nWidth == atlas.pages[i].nWidth && again.pages[i].nHeight == atlas.pages[i].nHeight;
    for (std::size_t i = 0; bSame && i < atlas.entries.size(); ++i) {
        const AtlasEntry &a = atlas.entries[i], &b = again.entries[atlas.entries.size() - 1 - i];
        bSame = a.nPage == b.nPage && a.x == b.x && a.y == b.y;
    }
    Check(bSame, "the placement depends on the input order");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzPack)

// What fuzzing the packer cannot judge: sheets cut into tiles, trim offsets,
// and the refusals' wording.
#include <gtest/gtest.h>

#include <array>

#include "convert/atlas/atlas_compositor.h"
#include "convert/atlas/atlas_packer.h"
#include "convert/atlas/sprite_sheet.h"
#include "convert/atlas/sprite_trim.h"

namespace zandrel {
namespace {

// Texels visible (alpha 255, colour from the position) inside the rectangle, transparent elsewhere.
SpriteImage Visible(int nWidth, int nHeight, int x0, int y0, int w, int h)
{
    SpriteImage image = MakeSpriteImage(nWidth, nHeight);
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x)
            image.texels[std::size_t(y * nWidth + x)] = 0xFF000000u | std::uint32_t(y << 8 | x);
    }
    return image;
}

TEST(AtlasSprites, TrimKeepsOffsetAndSourceSize)
{
    // The image, its visible rectangle, then the trimmed sprite's offset and size.
    const struct { const char* pszName; int w, h, x0, y0, nVisibleW, nVisibleH; std::array<int, 4> trimmed; } rows[] = {
        {"border on every side", 10, 8, 2, 3, 5, 4, {2, 3, 5, 4}},
        {"nothing to cut", 4, 4, 0, 0, 4, 4, {0, 0, 4, 4}},
        {"one texel at the far corner", 6, 5, 5, 4, 1, 1, {5, 4, 1, 1}},
        {"fully transparent: one texel at 0, 0", 7, 3, 0, 0, 0, 0, {0, 0, 1, 1}},
    };
    for (const auto& row : rows) {
        const Sprite source = MakeSprite("s", Visible(row.w, row.h, row.x0, row.y0, row.nVisibleW, row.nVisibleH));
        const Sprite trimmed = TrimSprite(source);
        const Sprite twice = TrimSprite(trimmed);
        EXPECT_EQ((std::array{trimmed.nOffsetX, trimmed.nOffsetY, trimmed.image.nWidth, trimmed.image.nHeight}),
                  row.trimmed) << row.pszName;
        EXPECT_EQ((std::array{trimmed.nSourceWidth, trimmed.nSourceHeight}), (std::array{row.w, row.h})) << row.pszName;
        for (int y = 0; row.nVisibleW > 0 && y < trimmed.image.nHeight; ++y) {
            for (int x = 0; x < trimmed.image.nWidth; ++x)
                ASSERT_EQ(trimmed.image.At(x, y), source.image.At(x + row.trimmed[0], y + row.trimmed[1]))
                    << row.pszName;
        }
        EXPECT_TRUE(twice.nOffsetX == trimmed.nOffsetX && twice.nOffsetY == trimmed.nOffsetY &&
                    twice.image.texels == trimmed.image.texels) << row.pszName;
    }
}

TEST(AtlasSprites, SheetCutIntoTilesRowByRow)
{
    // 3 x 2 tiles of 4 x 2; tiles 1 and 5 wholly transparent, tile 3 visible in one texel.
    SpriteImage sheet = Visible(12, 4, 0, 0, 4, 2);
    const SpriteImage right = Visible(12, 4, 8, 0, 4, 2), lower = Visible(12, 4, 3, 3, 1, 1);
    for (std::size_t i = 0; i < sheet.texels.size(); ++i)
        sheet.texels[i] |= right.texels[i] | lower.texels[i] | (i == 30 ? 0xFF000000u : 0);  // 30: tile 4
    const struct { bool bKeepEmpty; std::vector<std::string> names; } rows[] = {
        {false, {"hero_0", "hero_2", "hero_3", "hero_4"}},
        {true, {"hero_0", "hero_1", "hero_2", "hero_3", "hero_4", "hero_5"}}};
    for (const auto& row : rows) {
        std::vector<Sprite> tiles;
        ASSERT_FALSE(CutSpriteSheet("hero", sheet, 4, 2, row.bKeepEmpty, &tiles).Refused());
        ASSERT_EQ(tiles.size(), row.names.size());
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            const int nTile = std::stoi(row.names[i].substr(5));
            EXPECT_EQ(tiles[i].name, row.names[i]);
            ASSERT_TRUE(tiles[i].image.nWidth == 4 && tiles[i].image.nHeight == 2 && tiles[i].nSourceWidth == 4);
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 4; ++x)
                    EXPECT_EQ(tiles[i].image.At(x, y), sheet.At(nTile % 3 * 4 + x, nTile / 3 * 2 + y)) << row.names[i];
            }
        }
    }
}

TEST(AtlasSprites, RefusalsNameTheSizes)
{
    std::vector<Sprite> tiles;
    const SpriteImage sheet = Visible(10, 4, 0, 0, 10, 4);
    EXPECT_EQ(DescribeAtlasProblem(CutSpriteSheet("sheet", sheet, 4, 2, false, &tiles)),
              "sheet sheet is 10x4 texels, not a whole number of 4x2 tiles");
    EXPECT_EQ(CutSpriteSheet("sheet", sheet, 5, 0, false, &tiles).eRefusal, AtlasRefusal::kBadTileSize);
    EXPECT_EQ(CutSpriteSheet("sheet", MakeSpriteImage(65537, 1), 1, 1, true, &tiles).eRefusal,
              AtlasRefusal::kTooManySprites);
    EXPECT_TRUE(tiles.empty());
    EXPECT_FALSE(CutSpriteSheet("sheet", MakeSpriteImage(256, 256), 1, 1, true, &tiles).Refused());
    EXPECT_EQ(tiles.size(), kMaxAtlasSprites);
    EXPECT_EQ(PackAtlas(tiles, {}).pages.size(), 2u);

    const Sprite fits = MakeSprite("ok", Visible(60, 60, 0, 0, 1, 1));
    const Sprite wide = MakeSprite("wide", Visible(61, 3, 0, 0, 1, 1));
    Sprite mismatched = fits;
    mismatched.image.nHeight = 59;
    const struct {
        const char* pszName;
        AtlasOptions options;  // page width and height, padding, extrusion, alignment
        std::vector<Sprite> sprites;
        AtlasRefusal eRefusal;
    } rows[] = {
        {"page height not a power of two", {64, 3, 1, 1, 1}, {fits}, AtlasRefusal::kBadPageSize},
        {"page wider than 512", {1024, 64, 1, 1, 1}, {fits}, AtlasRefusal::kBadPageSize},
        {"padding above 512", {64, 64, 513, 1, 1}, {fits}, AtlasRefusal::kBadOption},
        {"negative extrusion", {64, 64, 1, -1, 1}, {fits}, AtlasRefusal::kBadOption},
        {"alignment 2", {64, 64, 1, 1, 2}, {fits}, AtlasRefusal::kBadOption},
        {"no sprite", {64, 64, 1, 1, 1}, {}, AtlasRefusal::kNoSprites},
        {"texels that do not match the size", {64, 64, 1, 1, 1}, {mismatched}, AtlasRefusal::kEmptySprite},
        {"a sprite of no rows", {64, 64, 1, 1, 1}, {MakeSprite("none", {})}, AtlasRefusal::kEmptySprite},
        {"one name twice", {64, 64, 1, 1, 1}, {fits, fits}, AtlasRefusal::kDuplicateName},
        {"one texel too wide", {64, 64, 1, 1, 1}, {fits, wide}, AtlasRefusal::kSpriteTooLarge},
        {"exactly as wide as the page allows", {64, 64, 1, 1, 1}, {fits}, AtlasRefusal::kNone},
    };
    for (const auto& row : rows) {
        const PackedAtlas atlas = PackAtlas(row.sprites, row.options);
        EXPECT_EQ(atlas.problem.eRefusal, row.eRefusal) << row.pszName;
        EXPECT_EQ(atlas.pages.empty(), row.eRefusal != AtlasRefusal::kNone) << row.pszName;
    }
    const AtlasOptions options{64, 512, 1, 1, 1};
    EXPECT_EQ(DescribeAtlasProblem(PackAtlas({fits, wide}, options).problem),
              "sprite wide is 61x3 texels (65x7 with padding and extrusion), larger than the 64x512 page");

    // The compositor takes only the sprites the atlas was packed from, and its pages.
    const PackedAtlas atlas = PackAtlas({fits}, options);
    SpriteImage page;
    EXPECT_TRUE(ComposeAtlasPage(atlas, {fits}, 0, &page));
    EXPECT_FALSE(ComposeAtlasPage(atlas, {wide}, 0, &page));
    EXPECT_FALSE(ComposeAtlasPage(atlas, {fits}, 1, &page));
    PackedAtlas moved = atlas;
    moved.entries[0].x += 4;
    EXPECT_FALSE(ComposeAtlasPage(moved, {fits}, 0, &page));
}

}  // namespace
}  // namespace zandrel

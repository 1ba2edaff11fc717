// PackAtlas: option and sprite checks, the page-by-page skyline passes and
// the shrinking of each page.
#include "convert/atlas/atlas_packer.h"

#include <stb_rect_pack.h>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace zandrel {
namespace {

// Positions are packed in units of the alignment, so every one is a multiple
// of it whatever the packer does. A sprite's cell is its texels, extrusion on
// both sides and the padding after it, in whole units; the padding before it
// is the previous cell's, or the page margin.
struct Cell {
    std::size_t nSprite;
    int nUnitsWide, nUnitsHigh;
    int nUnitX, nUnitY;  // once placed
};

struct Geometry {
    int nAlignment;
    int nExtrude;
    int nPadding;
    int nMargin;  // page edge to the first texel of a sprite: extrusion and padding, whole units

    // Units of a region whose cells end at most at nSide + extrude texels:
    // the last cell's trailing extrusion and padding are then inside nSide.
    int RegionUnits(int nSide) const { return std::max(0, (nSide + nExtrude - nMargin) / nAlignment); }
    std::int64_t CellUnits(std::int64_t nTexels) const
    {
        return (nTexels + 2 * std::int64_t{nExtrude} + nPadding + nAlignment - 1) / nAlignment;
    }
    // What a sprite needs of a page, both margins included.
    std::int64_t Need(std::int64_t nTexels) const { return nMargin + CellUnits(nTexels) * nAlignment - nExtrude; }
    int Position(int nUnit) const { return nMargin + nUnit * nAlignment; }
};

Geometry MakeGeometry(const AtlasOptions& o)
{
    const int nMargin = (o.nExtrude + o.nPadding + o.nAlignment - 1) / o.nAlignment * o.nAlignment;
    return Geometry{o.nAlignment, o.nExtrude, o.nPadding, nMargin};
}

bool IsPageSide(int n)
{
    return n >= 1 && n <= kMaxAtlasPageSize && (n & (n - 1)) == 0;
}

int NextPowerOfTwo(int n)
{
    int nPower = 1;
    while (nPower < n)
        nPower <<= 1;
    return nPower;
}

AtlasProblem Problem(AtlasRefusal eRefusal, const Sprite* pSprite = nullptr)
{
    AtlasProblem problem;
    problem.eRefusal = eRefusal;
    if (pSprite) {
        problem.strSprite = pSprite->name;
        problem.nWidth = pSprite->image.nWidth;
        problem.nHeight = pSprite->image.nHeight;
    }
    return problem;
}

AtlasProblem CheckOptions(const AtlasOptions& options, std::size_t nSprites)
{
    if (!IsPageSide(options.nPageWidth) || !IsPageSide(options.nPageHeight))
        return Problem(AtlasRefusal::kBadPageSize);
    if (options.nPadding < 0 || options.nPadding > kMaxAtlasMargin || options.nExtrude < 0 ||
        options.nExtrude > kMaxAtlasMargin || (options.nAlignment != 1 && options.nAlignment != 4))
        return Problem(AtlasRefusal::kBadOption);
    if (nSprites == 0)
        return Problem(AtlasRefusal::kNoSprites);
    if (nSprites > kMaxAtlasSprites)
        return Problem(AtlasRefusal::kTooManySprites);
    return {};
}

// Each sprite checked in name order, so the one reported does not depend on
// the input order; fills *pCells in name order. The skyline packer takes
// them tallest first, then widest, keeping ties in the order given (its sort
// is made stable in rect_pack_impl.cpp): that is the packing order.
AtlasProblem MakeCells(const std::vector<Sprite>& sprites, const AtlasOptions& options, const Geometry& geometry,
                       std::vector<Cell>* pCells)
{
    std::vector<std::size_t> byName(sprites.size());
    std::iota(byName.begin(), byName.end(), std::size_t{0});
    std::sort(byName.begin(), byName.end(),
              [&](std::size_t a, std::size_t b) { return sprites[a].name < sprites[b].name; });
    const auto duplicate = std::adjacent_find(byName.begin(), byName.end(), [&](std::size_t a, std::size_t b) {
        return sprites[a].name == sprites[b].name;
    });
    if (duplicate != byName.end())
        return Problem(AtlasRefusal::kDuplicateName, &sprites[*duplicate]);
    for (const std::size_t nSprite : byName) {
        const Sprite& sprite = sprites[nSprite];
        const SpriteImage& image = sprite.image;
        if (image.nWidth < 1 || image.nHeight < 1 ||
            image.texels.size() != std::size_t(image.nWidth) * std::size_t(image.nHeight))
            return Problem(AtlasRefusal::kEmptySprite, &sprite);
        const std::int64_t nNeedWidth = geometry.Need(image.nWidth), nNeedHeight = geometry.Need(image.nHeight);
        if (nNeedWidth > options.nPageWidth || nNeedHeight > options.nPageHeight) {
            AtlasProblem problem = Problem(AtlasRefusal::kSpriteTooLarge, &sprite);
            problem.nLimitWidth = options.nPageWidth;
            problem.nLimitHeight = options.nPageHeight;
            problem.nNeedWidth = int(std::min<std::int64_t>(nNeedWidth, 0x7FFFFFFF));
            problem.nNeedHeight = int(std::min<std::int64_t>(nNeedHeight, 0x7FFFFFFF));
            return problem;
        }
        pCells->push_back(Cell{nSprite, int(geometry.CellUnits(image.nWidth)),
                               int(geometry.CellUnits(image.nHeight)), 0, 0});
    }
    return {};
}

// One skyline pass over a region; true when every cell was placed. Placed
// cells get their units, the others keep theirs unchanged.
bool PackRegion(std::vector<Cell>& cells, int nUnitsWide, int nUnitsHigh, std::vector<bool>* pPlaced)
{
    pPlaced->assign(cells.size(), false);
    // A node for every unit of width: the packer then never rounds widths up.
    // (Callers pass regions some cell fits; a region of no width stays empty.)
    const int nNodes = std::max(nUnitsWide, 1);
    std::vector<stbrp_node> nodes(static_cast<std::size_t>(nNodes));
    stbrp_context context;
    stbrp_init_target(&context, nUnitsWide, nUnitsHigh, nodes.data(), nNodes);
    std::vector<stbrp_rect> rects(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        rects[i] = stbrp_rect{int(i), cells[i].nUnitsWide, cells[i].nUnitsHigh, 0, 0, 0};
    const bool bAll = stbrp_pack_rects(&context, rects.data(), int(rects.size())) != 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (rects[i].was_packed) {
            cells[i].nUnitX = rects[i].x;
            cells[i].nUnitY = rects[i].y;
            (*pPlaced)[i] = true;
        }
    }
    return bAll;
}

// The page size the placed cells need: each sprite's extrusion and padding
// inside it.
AtlasPage Extent(const std::vector<Cell>& cells, const std::vector<Sprite>& sprites, const Geometry& geometry)
{
    int nRight = 1, nBottom = 1;
    for (const Cell& cell : cells) {
        const SpriteImage& image = sprites[cell.nSprite].image;
        const int nTail = geometry.nExtrude + geometry.nPadding;
        nRight = std::max(nRight, geometry.Position(cell.nUnitX) + image.nWidth + nTail);
        nBottom = std::max(nBottom, geometry.Position(cell.nUnitY) + image.nHeight + nTail);
    }
    return AtlasPage{nRight, nBottom};
}

// The smallest power-of-two page for one page's cells: sizes by area (then
// wider first), each taken when the cells as placed lie inside it or a
// fresh pass places them all; then cut to what that placement needs.
AtlasPage ShrinkPage(std::vector<Cell>& cells, const std::vector<Sprite>& sprites, const AtlasOptions& options,
                     const Geometry& geometry)
{
    std::int64_t nCellArea = 0;
    for (const Cell& cell : cells)
        nCellArea += std::int64_t{cell.nUnitsWide} * cell.nUnitsHigh;
    std::vector<AtlasPage> sizes;
    for (int w = 1; w <= options.nPageWidth; w <<= 1) {
        for (int h = 1; h <= options.nPageHeight; h <<= 1)
            sizes.push_back(AtlasPage{w, h});
    }
    std::sort(sizes.begin(), sizes.end(), [](const AtlasPage& a, const AtlasPage& b) {
        const int nAreaA = a.nWidth * a.nHeight, nAreaB = b.nWidth * b.nHeight;
        return nAreaA != nAreaB ? nAreaA < nAreaB : a.nWidth > b.nWidth;
    });
    const AtlasPage placed = Extent(cells, sprites, geometry);
    std::vector<bool> fits;
    for (const AtlasPage& size : sizes) {
        const int nUnitsWide = geometry.RegionUnits(size.nWidth), nUnitsHigh = geometry.RegionUnits(size.nHeight);
        if (std::int64_t{nUnitsWide} * nUnitsHigh < nCellArea)
            continue;
        if (placed.nWidth <= size.nWidth && placed.nHeight <= size.nHeight)
            break;
        std::vector<Cell> trial = cells;
        if (PackRegion(trial, nUnitsWide, nUnitsHigh, &fits)) {
            cells = std::move(trial);
            break;
        }
    }
    const AtlasPage extent = Extent(cells, sprites, geometry);
    return AtlasPage{NextPowerOfTwo(extent.nWidth), NextPowerOfTwo(extent.nHeight)};
}

}  // namespace

PackedAtlas PackAtlas(const std::vector<Sprite>& sprites, const AtlasOptions& options)
{
    PackedAtlas atlas;
    atlas.options = options;
    atlas.problem = CheckOptions(options, sprites.size());
    if (atlas.problem.Refused())
        return atlas;
    const Geometry geometry = MakeGeometry(options);
    std::vector<Cell> remaining;
    atlas.problem = MakeCells(sprites, options, geometry, &remaining);
    if (atlas.problem.Refused())
        return atlas;

    atlas.entries.resize(sprites.size());
    const int nUnitsWide = geometry.RegionUnits(options.nPageWidth);
    const int nUnitsHigh = geometry.RegionUnits(options.nPageHeight);
    std::vector<bool> placed;
    // Every cell fits an empty page, so each pass places at least the first.
    while (!remaining.empty()) {
        PackRegion(remaining, nUnitsWide, nUnitsHigh, &placed);
        std::vector<Cell> page, left;
        for (std::size_t i = 0; i < remaining.size(); ++i)
            (placed[i] ? page : left).push_back(remaining[i]);
        atlas.pages.push_back(ShrinkPage(page, sprites, options, geometry));
        for (const Cell& cell : page) {
            const Sprite& sprite = sprites[cell.nSprite];
            AtlasEntry& entry = atlas.entries[cell.nSprite];
            entry.nPage = int(atlas.pages.size() - 1);
            entry.x = geometry.Position(cell.nUnitX);
            entry.y = geometry.Position(cell.nUnitY);
            entry.w = sprite.image.nWidth;
            entry.h = sprite.image.nHeight;
            entry.nOffsetX = sprite.nOffsetX;
            entry.nOffsetY = sprite.nOffsetY;
            entry.nSourceWidth = sprite.nSourceWidth;
            entry.nSourceHeight = sprite.nSourceHeight;
        }
        remaining = std::move(left);
    }
    return atlas;
}

}  // namespace zandrel

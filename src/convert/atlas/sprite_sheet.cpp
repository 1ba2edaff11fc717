// CutSpriteSheet: the grid checked against the sheet, then each tile copied.
#include "convert/atlas/sprite_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace zandrel {
namespace {

SpriteImage CopyTile(const SpriteImage& sheet, int x0, int y0, int nWidth, int nHeight)
{
    SpriteImage tile = MakeSpriteImage(nWidth, nHeight);
    for (int y = 0; y < nHeight; ++y) {
        const std::uint32_t* pSource = &sheet.texels[std::size_t(y0 + y) * std::size_t(sheet.nWidth) + std::size_t(x0)];
        std::copy(pSource, pSource + nWidth, tile.texels.begin() + std::ptrdiff_t(y) * nWidth);
    }
    return tile;
}

bool AllTransparent(const SpriteImage& image)
{
    return std::all_of(image.texels.begin(), image.texels.end(), [](std::uint32_t n) { return (n >> 24) == 0; });
}

}  // namespace

AtlasProblem CutSpriteSheet(const std::string& name, const SpriteImage& sheet, int nTileWidth, int nTileHeight,
                            bool bKeepEmpty, std::vector<Sprite>* pSprites)
{
    AtlasProblem problem;
    problem.strSprite = name;
    problem.nWidth = sheet.nWidth;
    problem.nHeight = sheet.nHeight;
    problem.nLimitWidth = nTileWidth;
    problem.nLimitHeight = nTileHeight;
    if (nTileWidth < 1 || nTileHeight < 1) {
        problem.eRefusal = AtlasRefusal::kBadTileSize;
        return problem;
    }
    if (sheet.nWidth % nTileWidth != 0 || sheet.nHeight % nTileHeight != 0 ||
        sheet.texels.size() != std::size_t(sheet.nWidth) * std::size_t(sheet.nHeight)) {
        problem.eRefusal = AtlasRefusal::kSheetNotWholeTiles;
        return problem;
    }
    const int nColumns = sheet.nWidth / nTileWidth, nRows = sheet.nHeight / nTileHeight;
    if (std::int64_t{nColumns} * nRows > std::int64_t{kMaxAtlasSprites}) {
        problem.eRefusal = AtlasRefusal::kTooManySprites;
        return problem;
    }
    for (int nRow = 0; nRow < nRows; ++nRow) {
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            SpriteImage tile = CopyTile(sheet, nColumn * nTileWidth, nRow * nTileHeight, nTileWidth, nTileHeight);
            if (bKeepEmpty || !AllTransparent(tile)) {
                const std::int64_t nIndex = std::int64_t{nRow} * nColumns + nColumn;
                pSprites->push_back(MakeSprite(name + "_" + std::to_string(nIndex), std::move(tile)));
            }
        }
    }
    return {};
}

}  // namespace zandrel

// ComposeAtlasPage: sprites and their extrusion copied onto a blank page.
#include "convert/atlas/atlas_compositor.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace zandrel {
namespace {

bool Matches(const AtlasEntry& entry, const Sprite& sprite)
{
    return entry.w == sprite.image.nWidth && entry.h == sprite.image.nHeight &&
           sprite.image.texels.size() == std::size_t(entry.w) * std::size_t(entry.h);
}

// Rows and columns outside the sprite take the nearest edge texel.
void CopyExtruded(const SpriteImage& image, int x0, int y0, int nExtrude, SpriteImage* pPage)
{
    for (int y = -nExtrude; y < image.nHeight + nExtrude; ++y) {
        const int nSourceY = std::clamp(y, 0, image.nHeight - 1);
        std::uint32_t* pRow = &pPage->texels[std::size_t(y0 + y) * std::size_t(pPage->nWidth) + std::size_t(x0)];
        for (int x = -nExtrude; x < image.nWidth + nExtrude; ++x)
            pRow[x] = image.At(std::clamp(x, 0, image.nWidth - 1), nSourceY);
    }
}

}  // namespace

bool ComposeAtlasPage(const PackedAtlas& atlas, const std::vector<Sprite>& sprites, int nPage, SpriteImage* pPage)
{
    if (atlas.problem.Refused() || nPage < 0 || std::size_t(nPage) >= atlas.pages.size() ||
        sprites.size() != atlas.entries.size())
        return false;
    const AtlasPage& size = atlas.pages[std::size_t(nPage)];
    const int nExtrude = atlas.options.nExtrude;
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const AtlasEntry& entry = atlas.entries[i];
        // The packer kept extrusion inside the page; a foreign table must too.
        if (!Matches(entry, sprites[i]) || (entry.nPage == nPage &&
            (entry.x < nExtrude || entry.y < nExtrude || entry.x + entry.w + nExtrude > size.nWidth ||
             entry.y + entry.h + nExtrude > size.nHeight)))
            return false;
    }
    SpriteImage page = MakeSpriteImage(size.nWidth, size.nHeight);
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        if (atlas.entries[i].nPage == nPage)
            CopyExtruded(sprites[i].image, atlas.entries[i].x, atlas.entries[i].y, nExtrude, &page);
    }
    *pPage = std::move(page);
    return true;
}

}  // namespace zandrel

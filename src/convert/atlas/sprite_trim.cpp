// TrimSprite: the bounds of the visible texels, then a copy of that rectangle.
#include "convert/atlas/sprite_trim.h"

#include <algorithm>
#include <cstddef>

namespace zandrel {

Sprite TrimSprite(const Sprite& sprite)
{
    const SpriteImage& image = sprite.image;
    if (image.texels.size() != std::size_t(image.nWidth) * std::size_t(image.nHeight))
        return sprite;  // malformed: left for the packer to refuse
    int nLeft = image.nWidth, nTop = image.nHeight, nRight = -1, nBottom = -1;
    for (int y = 0; y < image.nHeight; ++y) {
        for (int x = 0; x < image.nWidth; ++x) {
            if (!image.Transparent(x, y)) {
                nLeft = std::min(nLeft, x);
                nRight = std::max(nRight, x);
                nTop = std::min(nTop, y);
                nBottom = y;
            }
        }
    }
    Sprite trimmed;
    trimmed.name = sprite.name;
    trimmed.nSourceWidth = sprite.nSourceWidth;
    trimmed.nSourceHeight = sprite.nSourceHeight;
    if (nRight < 0) {
        trimmed.image = MakeSpriteImage(1, 1);
        return trimmed;
    }
    trimmed.nOffsetX = sprite.nOffsetX + nLeft;
    trimmed.nOffsetY = sprite.nOffsetY + nTop;
    trimmed.image = MakeSpriteImage(nRight - nLeft + 1, nBottom - nTop + 1);
    for (int y = 0; y < trimmed.image.nHeight; ++y) {
        const std::uint32_t* pSource =
            &image.texels[std::size_t(nTop + y) * std::size_t(image.nWidth) + std::size_t(nLeft)];
        std::copy(pSource, pSource + trimmed.image.nWidth,
                  trimmed.image.texels.begin() + std::ptrdiff_t(y) * trimmed.image.nWidth);
    }
    return trimmed;
}

}  // namespace zandrel

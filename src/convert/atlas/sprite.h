// SpriteImage and Sprite: the plain RGBA8 image an atlas is made of, and one
// named sprite with where its texels lay in the image it was cut from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zandrel {

// Texels top row first, each R | G << 8 | B << 16 | A << 24 (the 8888 order).
struct SpriteImage {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> texels;  // nWidth * nHeight

    std::uint32_t At(int x, int y) const { return texels[std::size_t(y) * std::size_t(nWidth) + std::size_t(x)]; }
    bool Transparent(int x, int y) const { return (At(x, y) >> 24) == 0; }
};

// A blank image (every texel transparent black); empty when a size is not
// positive. The caller bounds the sizes (sheets come from decoded files).
inline SpriteImage MakeSpriteImage(int nWidth, int nHeight)
{
    SpriteImage image;
    if (nWidth > 0 && nHeight > 0) {
        image.nWidth = nWidth;
        image.nHeight = nHeight;
        image.texels.assign(std::size_t(nWidth) * std::size_t(nHeight), 0);
    }
    return image;
}

struct Sprite {
    std::string name;   // unique within an atlas; the packer's last sort key
    SpriteImage image;  // the texels packed (after trimming)
    // Where `image` lies in the source image of nSourceWidth x nSourceHeight;
    // 0, 0 and the image's own size for an untrimmed sprite.
    int nOffsetX = 0;
    int nOffsetY = 0;
    int nSourceWidth = 0;
    int nSourceHeight = 0;
};

inline Sprite MakeSprite(std::string name, SpriteImage image)
{
    Sprite sprite;
    sprite.name = std::move(name);
    sprite.nSourceWidth = image.nWidth;
    sprite.nSourceHeight = image.nHeight;
    sprite.image = std::move(image);
    return sprite;
}

}  // namespace zandrel

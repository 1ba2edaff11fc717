#include "convert/texture/dxt/squish_start.h"

#include <squish.h>

namespace zandrel {

SquishStart SquishFit(const std::uint8_t rgba[64], DxtFormat eFormat, bool bThreeColour)
{
    int nFlags = squish::kColourIterativeClusterFit;
    if (eFormat == DxtFormat::kDxt1)
        // libsquish tries three-colour mode for opaque DXT1 blocks too; its
        // DXT3 colour fit is four-colour only, what the GE needs there.
        nFlags |= bThreeColour ? squish::kDxt1 : squish::kDxt3;
    else
        nFlags |= (eFormat == DxtFormat::kDxt3 ? squish::kDxt3 : squish::kDxt5) | squish::kWeightColourByAlpha;
    std::uint8_t block[16];
    squish::Compress(rgba, block, nFlags);
    // S3TC order: alpha block first (DXT3/DXT5), then endpoints, then indices.
    const std::uint8_t* pColour = nFlags & squish::kDxt1 ? block : block + 8;
    SquishStart start;
    start.colours[0] = static_cast<std::uint16_t>(pColour[0] | pColour[1] << 8);
    start.colours[1] = static_cast<std::uint16_t>(pColour[2] | pColour[3] << 8);
    start.alphas[0] = block[0];
    start.alphas[1] = block[1];
    return start;
}

}  // namespace zandrel

// EncodeMipLevels: each level reduced from the one above in 8-bit texels,
// then packed by the encoder of level 0 (t8/t4: matched to level 0's CLUT).
#include "convert/texture/mip_chain.h"

#include <algorithm>
#include <new>
#include <utility>

#include "convert/quantize/remap.h"
#include "convert/texture/mipmap.h"
#include "convert/texture/shown_pixels.h"

namespace zandrel {
namespace {

bool IsPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// A true-colour image of nWidth x nHeight texels; false when the memory cannot be had.
bool AllocateTexels(int nWidth, int nHeight, DecodedImage* pImage)
{
    pImage->eShape = ImageShape::kTrueColor;
    return pImage->trueColor.Allocate(nWidth, nHeight, true);
}

// One level packed: its reduced texels as they are, or (pPalette) each
// matched to its entry.
Refusal PackLevel(const DecodedImage& reduced, const TextureOptions& options, const quantize::Palette* pPalette,
                  EncodedTexture* pLevel)
{
    int nDetail = 0;
    if (!pPalette)
        return EncodeTexture(reduced, options, pLevel, &nDetail);
    const TrueColorImage& texels = reduced.trueColor;
    const std::size_t nTexels = static_cast<std::size_t>(texels.nWidth) * static_cast<std::size_t>(texels.nHeight);
    DecodedImage indices;
    indices.eShape = ImageShape::kIndexed;
    indices.indexed.nWidth = texels.nWidth;
    indices.indexed.nHeight = texels.nHeight;
    if (!indices.indexed.indices.Allocate(nTexels))
        return Refusal::kOutOfMemory;
    quantize::PixelView view;
    view.pBytes = texels.pixels.Data();
    view.nWidth = texels.nWidth;
    view.nHeight = texels.nHeight;
    view.nStride = static_cast<std::size_t>(texels.nWidth) * 4;
    view.eOrder = quantize::ChannelOrder::kBgra;
    if (Remap(view, *pPalette, options.bDither, indices.indexed.indices.Data(), nTexels) !=
        quantize::QuantizeStatus::kDone)
        return Refusal::kOutOfMemory;
    return EncodeIndexTexels(indices, options, pLevel, &nDetail);
}

}  // namespace

int MipLevelCount(int nMipmaps, std::int64_t nTextureWidth, std::int64_t nTextureHeight)
{
    if (nMipmaps != kMipmapsMax)
        return std::clamp(nMipmaps, 0, kMaxMipmaps);
    int nLevels = 0;
    for (; nLevels < kMaxMipmaps && (nTextureWidth > 1 || nTextureHeight > 1); ++nLevels) {
        nTextureWidth = std::max<std::int64_t>(1, nTextureWidth / 2);
        nTextureHeight = std::max<std::int64_t>(1, nTextureHeight / 2);
    }
    return nLevels;
}

Refusal EncodeMipLevels(const DecodedImage& image, const TextureOptions& options, const quantize::Palette* pPalette,
                        EncodedTexture* pTexture)
{
    if (options.nMipmaps == 0)
        return Refusal::kNone;
    if (!options.bPow2 && (!IsPowerOfTwo(image.Width()) || !IsPowerOfTwo(image.Height())))
        return Refusal::kMipmapsNeedPowerOfTwo;
    if (IsIndexFormat(options.eFormat) != (pPalette != nullptr))
        return Refusal::kTextureNeedsPalette;
    const TextureLayout& top = pTexture->layout;
    if (CheckImageSize(ImageShape::kTrueColor, static_cast<std::uint64_t>(top.nTextureWidth),
                       static_cast<std::uint64_t>(top.nTextureHeight)) != Refusal::kNone)
        return Refusal::kTextureTooLarge;
    DecodedImage above;
    if (!AllocateTexels(static_cast<int>(top.nTextureWidth), static_cast<int>(top.nTextureHeight), &above) ||
        !PaddedShownBgra(image, options, top.nTextureWidth, top.nTextureHeight, above.trueColor.pixels.Data()))
        return Refusal::kOutOfMemory;

    // The levels' texels are made already: only their packing is level 0's.
    TextureOptions levelOptions = options;
    levelOptions.nMipmaps = 0;
    levelOptions.bPow2 = false;
    levelOptions.bKey = false;
    levelOptions.nTransparentIndex = -1;
    const int nLevels = MipLevelCount(options.nMipmaps, top.nTextureWidth, top.nTextureHeight);
    int nWidth = static_cast<int>(top.nWidth), nHeight = static_cast<int>(top.nHeight);
    try {
        pTexture->mips.reserve(static_cast<std::size_t>(nLevels));
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    for (int n = 0; n < nLevels; ++n) {
        const TrueColorImage& texels = above.trueColor;
        DecodedImage reduced;
        if (!AllocateTexels(NextMipSide(texels.nWidth), NextMipSide(texels.nHeight), &reduced))
            return Refusal::kOutOfMemory;
        ReduceMip(texels.pixels.Data(), texels.nWidth, texels.nHeight, reduced.trueColor.pixels.Data());
        EncodedTexture level;
        const Refusal eRefusal = PackLevel(reduced, levelOptions, pPalette, &level);
        if (eRefusal != Refusal::kNone)
            return eRefusal;
        nWidth = NextMipSide(nWidth);
        nHeight = NextMipSide(nHeight);
        level.layout.nWidth = nWidth;
        level.layout.nHeight = nHeight;
        pTexture->mips.push_back({level.layout, std::move(level.texels)});
        above = std::move(reduced);
    }
    return Refusal::kNone;
}

}  // namespace zandrel

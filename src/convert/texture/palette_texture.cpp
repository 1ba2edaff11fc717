// PlanPalette and EncodePaletteTexture: palette images kept or renumbered,
// everything else quantised, then texels by table or by matching pixels.
#include "convert/texture/palette_texture.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "convert/large_buffer.h"
#include "convert/quantize/clut_levels.h"
#include "convert/quantize/color_histogram.h"
#include "convert/quantize/remap.h"
#include "convert/texture/mip_chain.h"
#include "convert/texture/shown_pixels.h"

namespace zandrel {
namespace {

quantize::ClutRule ClutRuleOf(const TextureOptions& options)
{
    quantize::ClutRule rule;
    rule.eFormat = options.eClutFormat;
    rule.nAlphaThreshold = options.nAlphaThreshold;
    return rule;
}

Refusal RefusalOf(quantize::QuantizeStatus eStatus)
{
    switch (eStatus) {
    case quantize::QuantizeStatus::kDone: return Refusal::kNone;
    case quantize::QuantizeStatus::kTooManyPixels: return Refusal::kTooLarge;
    case quantize::QuantizeStatus::kBadArguments: return Refusal::kTransparentIndexPastColors;
    case quantize::QuantizeStatus::kOutOfMemory: break;
    }
    return Refusal::kOutOfMemory;
}

std::size_t PixelCount(const DecodedImage& image)
{
    return static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
}

// The image's pixels as the texture shows them (ShownBgra), as the
// quantiser's view.
Refusal ShownPixels(const DecodedImage& image, const TextureOptions& options, LargeBuffer* pBuffer,
                    quantize::PixelView* pView)
{
    pView->nWidth = image.Width();
    pView->nHeight = image.Height();
    pView->nStride = static_cast<std::size_t>(pView->nWidth) * 4;
    pView->eOrder = quantize::ChannelOrder::kBgra;
    pView->pBytes = ShownBgra(image, options, pBuffer);
    return pView->pBytes ? Refusal::kNone : Refusal::kOutOfMemory;
}

quantize::Palette ShownEntries(const EffectivePalette& palette, int nCount, const TextureOptions& options)
{
    const quantize::CClutLevels levels(ClutRuleOf(options));
    quantize::Palette shown;
    shown.rule = ClutRuleOf(options);
    shown.nCount = nCount;
    for (int i = 0; i < nCount; ++i) {
        const std::uint8_t* p = palette.bgra[i];
        shown.entries[i] = palette.bCleared[i] ? quantize::Rgba8{} : levels.Round({p[2], p[1], p[0], p[3]});
        if (shown.entries[i].a == 0 && shown.nTransparentIndex < 0)
            shown.nTransparentIndex = i;
    }
    return shown;
}

// Palette images that share one palette keep it when the indices they use
// fit below the limit, or have its used entries renumbered when they are few
// enough; *pbKept is false when neither holds and the images are quantised
// instead. False when the memory cannot be had.
bool PlanKeptPalette(const DecodedImage* const* ppImages, std::size_t nImages, const TextureOptions& options,
                     PlannedPalette* pPlan, bool* pbKept)
{
    *pbKept = false;
    for (std::size_t i = 0; i < nImages; ++i) {
        if (ppImages[i]->eShape != ImageShape::kIndexed || !SamePalette(ppImages[i]->indexed, ppImages[0]->indexed))
            return true;
    }
    const int nLimit = PaletteColorLimit(options);
    bool used[256] = {};
    int nHighest = -1;
    for (std::size_t i = 0; i < nImages; ++i) {
        const std::uint8_t* pIndices = ppImages[i]->indexed.indices.Data();
        for (std::size_t n = 0, nPixels = PixelCount(*ppImages[i]); n < nPixels; ++n)
            used[pIndices[n]] = true;
    }
    int nUsed = 0;
    for (int n = 0; n < 256; ++n) {
        if (used[n]) {
            nHighest = n;
            pPlan->renumber[n] = static_cast<std::uint8_t>(nUsed++);
        }
    }
    const IndexedImage& first = ppImages[0]->indexed;
    const EffectivePalette palette = MakeEffectivePalette(first, options);
    if (nHighest < nLimit) {
        *pbKept = true;
        pPlan->eSource = PaletteSource::kOwnIndices;
        pPlan->nColors = nHighest + 1;
        // Dithering picks among the entries up to the highest one used, so
        // every index stays below _CLUT_COLORS (and within t4's 16).
        const int nColorCount = std::clamp(first.nColorCount, 0, 256);
        pPlan->shown = ShownEntries(palette, nHighest + 1, options);
        return BuildClut(palette, nColorCount, nHighest + 1, options.eClutFormat, options.nAlphaThreshold,
                         &pPlan->clut, &pPlan->nClutEntries);
    }
    if (nUsed > nLimit)
        return true;
    *pbKept = true;
    EffectivePalette renumbered;
    for (int n = 0; n < 256; ++n) {
        if (used[n]) {
            std::memcpy(renumbered.bgra[pPlan->renumber[n]], palette.bgra[n], 4);
            renumbered.bCleared[pPlan->renumber[n]] = palette.bCleared[n];
        }
    }
    pPlan->eSource = PaletteSource::kRenumbered;
    pPlan->nColors = nUsed;
    pPlan->shown = ShownEntries(renumbered, nUsed, options);
    return BuildClut(renumbered, nUsed, nUsed, options.eClutFormat, options.nAlphaThreshold, &pPlan->clut,
                     &pPlan->nClutEntries);
}

Refusal PlanQuantized(const DecodedImage* const* ppImages, std::size_t nImages, const TextureOptions& options,
                      PlannedPalette* pPlan)
{
    quantize::CColorHistogram histogram(ClutRuleOf(options));
    for (std::size_t i = 0; i < nImages; ++i) {
        LargeBuffer buffer;
        quantize::PixelView view;
        const Refusal eRefusal = ShownPixels(*ppImages[i], options, &buffer, &view);
        if (eRefusal != Refusal::kNone)
            return eRefusal;
        const quantize::QuantizeStatus eStatus = histogram.Add(view);
        if (eStatus != quantize::QuantizeStatus::kDone)
            return RefusalOf(eStatus);
    }
    quantize::QuantizeOptions quantizeOptions;
    quantizeOptions.nMaxColors = PaletteColorLimit(options);
    quantizeOptions.nTransparentIndex = std::max(0, options.nTransparentIndex);
    const quantize::QuantizeStatus eStatus = Quantize(histogram, quantizeOptions, &pPlan->shown);
    if (eStatus != quantize::QuantizeStatus::kDone)
        return RefusalOf(eStatus);

    EffectivePalette palette;
    for (int n = 0; n < pPlan->shown.nCount; ++n) {
        const quantize::Rgba8 entry = pPlan->shown.entries[n];
        const std::uint8_t bgra[4] = {entry.b, entry.g, entry.r, entry.a};
        std::memcpy(palette.bgra[n], bgra, 4);
        palette.bCleared[n] = entry.a == 0;
    }
    pPlan->eSource = PaletteSource::kQuantized;
    pPlan->nColors = pPlan->shown.nCount;
    // Entries are CLUT levels already: rounding them again keeps them.
    return BuildClut(palette, pPlan->nColors, pPlan->nColors, options.eClutFormat, options.nAlphaThreshold,
                     &pPlan->clut, &pPlan->nClutEntries)
               ? Refusal::kNone
               : Refusal::kOutOfMemory;
}

}  // namespace

int PaletteColorLimit(const TextureOptions& options)
{
    const int nFormatLimit = options.eFormat == TextureFormat::kT4 ? 16 : 256;
    return options.nColors > 0 ? std::min(options.nColors, nFormatLimit) : nFormatLimit;
}

Refusal PlanPalette(const DecodedImage* const* ppImages, std::size_t nImages, const TextureOptions& options,
                    PlannedPalette* pPlan)
{
    if (!IsIndexFormat(options.eFormat) || nImages == 0)
        return Refusal::kTextureNeedsPalette;
    if (options.nTransparentIndex >= PaletteColorLimit(options))
        return Refusal::kTransparentIndexPastColors;
    PlannedPalette plan;
    plan.eClutFormat = options.eClutFormat;
    try {
        bool bKept = false;
        if (!PlanKeptPalette(ppImages, nImages, options, &plan, &bKept))
            return Refusal::kOutOfMemory;
        if (!bKept) {
            const Refusal eRefusal = PlanQuantized(ppImages, nImages, options, &plan);
            if (eRefusal != Refusal::kNone)
                return eRefusal;
        }
        *pPlan = std::move(plan);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    return Refusal::kNone;
}

Refusal EncodePaletteTexture(const DecodedImage& image, const TextureOptions& options, const PlannedPalette& plan,
                             EncodedTexture* pTexture, int* pDetail)
{
    if (image.eShape == ImageShape::kNone || (plan.eSource != PaletteSource::kQuantized &&
                                              image.eShape != ImageShape::kIndexed))
        return Refusal::kTextureNeedsPalette;
    DecodedImage indices;
    indices.eShape = ImageShape::kIndexed;
    indices.indexed.nWidth = image.Width();
    indices.indexed.nHeight = image.Height();
    const std::size_t nPixels = PixelCount(image);
    const bool bOwn = plan.eSource == PaletteSource::kOwnIndices && !options.bDither;
    if (!bOwn && !indices.indexed.indices.Allocate(nPixels))
        return Refusal::kOutOfMemory;
    if (bOwn) {
        // The image's own indices are the texels.
    } else if (plan.eSource == PaletteSource::kRenumbered && !options.bDither) {
        const std::uint8_t* pIn = image.indexed.indices.Data();
        std::uint8_t* pOut = indices.indexed.indices.Data();
        for (std::size_t i = 0; i < nPixels; ++i)
            pOut[i] = plan.renumber[pIn[i]];
    } else {
        LargeBuffer buffer;
        quantize::PixelView view;
        const Refusal eRefusal = ShownPixels(image, options, &buffer, &view);
        if (eRefusal != Refusal::kNone)
            return eRefusal;
        const quantize::QuantizeStatus eStatus =
            Remap(view, plan.shown, options.bDither, indices.indexed.indices.Data(), nPixels);
        if (eStatus != quantize::QuantizeStatus::kDone)
            return RefusalOf(eStatus);
    }
    const Refusal eRefusal = EncodeIndexTexels(bOwn ? image : indices, options, pTexture, pDetail);
    if (eRefusal != Refusal::kNone)
        return eRefusal;
    try {
        pTexture->clut = plan.clut;
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    pTexture->eClutFormat = plan.eClutFormat;
    pTexture->nClutEntries = plan.nClutEntries;
    pTexture->nClutColors = plan.nColors;
    return EncodeMipLevels(image, options, &plan.shown, pTexture);
}

}  // namespace zandrel

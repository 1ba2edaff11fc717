// ConvertSharedClutTextures: the textures of a run planned, encoded and
// written around one CLUT, all or nothing.
#include <new>
#include <utility>

#include "convert/convert.h"
#include "convert/texture/encoder.h"
#include "convert/texture/palette_texture.h"
#include "convert/texture/texture_writer.h"

namespace zandrel {
namespace {

// Every report refused with eRefusal, but those refused already.
void RefuseTheRest(std::vector<ConversionReport>* pReports, Refusal eRefusal, ConversionReport* pClutReport)
{
    for (ConversionReport& report : *pReports) {
        if (report.eRefusal == Refusal::kNone)
            report = ReportRefused(eRefusal);
    }
    *pClutReport = ReportRefused(Refusal::kSharedClutIncomplete);
}

}  // namespace

std::vector<ConversionReport> ConvertSharedClutTextures(const std::vector<CString>& paths,
                                                        const std::vector<OutputNames>& names,
                                                        const OutputNames& clutNames, const TextureOptions& options,
                                                        InputFormats eFormats, ConversionReport* pClutReport)
{
    std::vector<ConversionReport> reports(paths.size());
    std::vector<DecodedImage> images;
    std::vector<const DecodedImage*> pointers;
    try {
        images.resize(paths.size());
        pointers.reserve(paths.size());
    } catch (const std::bad_alloc&) {
        RefuseTheRest(&reports, Refusal::kOutOfMemory, pClutReport);
        return reports;
    }
    bool bAllDecoded = true;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        int nDetail = 0;
        Refusal eRefusal = IsIncludableName(names[i].strStem + ".h", PathStyle::Native())
                               ? DecodeImageFile(paths[i], eFormats, &images[i], &nDetail)
                               : Refusal::kHeaderNameUnusable;
        if (eRefusal != Refusal::kNone) {
            reports[i] = ReportRefused(eRefusal, nDetail);
            bAllDecoded = false;
        }
        pointers.push_back(&images[i]);
    }
    if (!bAllDecoded) {
        RefuseTheRest(&reports, Refusal::kSharedClutIncomplete, pClutReport);
        return reports;
    }

    PlannedPalette plan;
    const Refusal ePlan = PlanPalette(pointers.data(), pointers.size(), options, &plan);
    if (ePlan != Refusal::kNone) {
        RefuseTheRest(&reports, ePlan, pClutReport);
        return reports;
    }
    // Each image is let go as soon as its texture holds its pixels.
    std::vector<EncodedTexture> textures(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        int nDetail = 0;
        const Refusal eRefusal = EncodePaletteTexture(images[i], options, plan, &textures[i], &nDetail);
        if (eRefusal != Refusal::kNone) {
            reports[i] = ReportRefused(eRefusal, nDetail, images[i].Width(), images[i].Height());
            RefuseTheRest(&reports, Refusal::kSharedClutIncomplete, pClutReport);
            return reports;
        }
        images[i] = DecodedImage();
    }

    EncodedTexture clut;
    clut.clut = std::move(plan.clut);
    clut.eClutFormat = plan.eClutFormat;
    clut.nClutEntries = plan.nClutEntries;
    clut.nClutColors = plan.nColors;
    *pClutReport = ReportWritten(0, 0, WriteSharedClutFiles(clutNames, options, clut));
    if (pClutReport->nResult != kConvertDone) {
        for (ConversionReport& report : reports)
            report = ReportRefused(Refusal::kSharedClutIncomplete);
        return reports;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        reports[i] = ReportWritten(static_cast<int>(textures[i].layout.nWidth),
                                   static_cast<int>(textures[i].layout.nHeight),
                                   WriteTextureFiles(names[i], options, textures[i], &clutNames));
        textures[i] = EncodedTexture();
    }
    return reports;
}

}  // namespace zandrel

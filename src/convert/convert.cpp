// The entry points: decode, then the default output's or the texture's writers.
#include "convert/convert.h"

#include <utility>

#include "convert/color16.h"
#include "convert/large_buffer.h"
#include "convert/output/default_arrays.h"
#include "convert/texture/encoder.h"
#include "convert/texture/palette_texture.h"
#include "convert/texture/texture_writer.h"

namespace zandrel {
namespace {

ConversionReport ConvertIndexedImage(const IndexedImage& image, const OutputNames& names,
                                     const ConvertOptions& options)
{
    Color16 palette[256] = {};
    PackPalette(image, palette);
    return ReportWritten(image.nWidth, image.nHeight,
                         WriteIndexedFiles(names, options, palette, image.nColorCount, image.indices.Data(),
                                           image.nWidth, image.nHeight));
}

// The .c of a texture #includes its .h, and a .h asked for is there to be
// #included.
bool HeaderIsIncludable(const OutputNames& names)
{
    return IsIncludableName(names.strStem + ".h", PathStyle::Native());
}

}  // namespace

ConversionReport ConvertImageFile(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                  InputFormats eFormats)
{
    if (options.m_bWriteHeader && !HeaderIsIncludable(names))
        return ReportRefused(Refusal::kHeaderNameUnusable);
    DecodedImage image;
    int nDetail = 0;
    const Refusal eRefusal = DecodeImageFile(strPath, eFormats, &image, &nDetail);
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal, nDetail);
    if (image.eShape == ImageShape::kIndexed)
        return ConvertIndexedImage(image.indexed, names, options);
    return ConvertTrueColorImage(image.trueColor, names, options);
}

ConversionReport ConvertTrueColorImage(const TrueColorImage& image, const OutputNames& names,
                                       const ConvertOptions& options)
{
    LargeBuffer words;
    LargeBuffer alpha;
    const Refusal eRefusal = BuildTrueColorArrays(image, &words, &alpha);
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal);
    return ReportWritten(image.nWidth, image.nHeight,
                         WriteTrueColorFiles(names, options, words.As<Color16>(), alpha.Data(), image.nWidth,
                                             image.nHeight));
}

ConversionReport ConvertIndexedBitmapFile(const CString& strPath, const OutputNames& names,
                                          const ConvertOptions& options)
{
    DecodedImage image;
    int nDetail = 0;
    const Refusal eRefusal = DecodeImageFile(strPath, kBmpOnly, &image, &nDetail);
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal, nDetail);
    // The file changed since the desktop tool measured it as 8 bits.
    if (image.eShape != ImageShape::kIndexed)
        return ReportRefused(Refusal::kUnsupportedDepth);
    return ConvertIndexedImage(image.indexed, names, options);
}

ConversionReport ConvertTextureFile(const CString& strPath, const OutputNames& names, const TextureOptions& options,
                                    InputFormats eFormats)
{
    if (!HeaderIsIncludable(names))
        return ReportRefused(Refusal::kHeaderNameUnusable);
    EncodedTexture texture;
    int nDetail = 0;
    Refusal eRefusal;
    int nWidth = 0, nHeight = 0;  // the image's, which a refusal may name
    {
        // The decoded image is let go as soon as the texture holds its pixels.
        DecodedImage image;
        eRefusal = DecodeImageFile(strPath, eFormats, &image, &nDetail);
        nWidth = image.Width();
        nHeight = image.Height();
        if (eRefusal == Refusal::kNone && IsIndexFormat(options.eFormat)) {
            const DecodedImage* pImage = &image;
            PlannedPalette plan;
            eRefusal = PlanPalette(&pImage, 1, options, &plan);
            if (eRefusal == Refusal::kNone)
                eRefusal = EncodePaletteTexture(image, options, plan, &texture, &nDetail);
        } else if (eRefusal == Refusal::kNone) {
            eRefusal = EncodeTexture(image, options, &texture, &nDetail);
        }
    }
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal, nDetail, nWidth, nHeight);
    return ReportWritten(static_cast<int>(texture.layout.nWidth), static_cast<int>(texture.layout.nHeight),
                         WriteTextureFiles(names, options, texture));
}

}  // namespace zandrel

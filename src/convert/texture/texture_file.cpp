#include "convert/texture/texture_file.h"

#include "convert/texture/texture_writer.h"

namespace zandrel {

ConversionReport ConvertTextureFile(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                    const TextureOptions& textureOptions, InputFormats eFormats, const PathStyle& style)
{
    TextureRequest request;
    request.strStem = names.strSourcePath.Left(names.strSourcePath.GetLength() - 2);
    // Searched by characters of the code page, as the names were made: a
    // double-byte character whose second byte is '\\' is no separator.
    const CString strHeader = request.strStem + ".h";
    request.strIncludeName = strHeader.Mid(strHeader.ReverseFind(style.chSeparator, style.nCodePage) + 1);
    request.strIdentifier = MakeCIdentifier(names.strArrayName);
    request.m_bAddConst = options.m_bAddConst;
    request.m_bWriteBinary = options.m_bWriteBinary;

    EncodedTexture texture;
    int nDetail = 0;
    Refusal eRefusal;
    int nBitCount = 0;
    {
        // The decoded image is let go as soon as the texture holds its pixels.
        DecodedImage image;
        eRefusal = DecodeImageFile(strPath, eFormats, &image);
        nBitCount = image.nBitCount;
        if (eRefusal == Refusal::kNone)
            eRefusal = EncodeTexture(image, textureOptions, &texture, &nDetail);
    }
    if (eRefusal != Refusal::kNone) {
        ConversionReport report = ReportRefused(eRefusal, nBitCount);
        report.nRefusalDetail = nDetail;
        return report;
    }
    return ReportWritten(nBitCount, static_cast<int>(texture.layout.nWidth), static_cast<int>(texture.layout.nHeight),
                         WriteTextureFiles(request, texture));
}

}  // namespace zandrel

#include "convert/texture/texture_file.h"

#include "convert/texture/texture_writer.h"

namespace zandrel {
namespace {

// The file name part of a path, after the last '/' or '\\'.
CString FileNamePart(const CString& strPath)
{
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        if (strPath.GetAt(i) == '/' || strPath.GetAt(i) == '\\')
            nStart = i + 1;
    }
    return strPath.Mid(nStart);
}

}  // namespace

ConversionReport ConvertTextureFile(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                    const TextureOptions& textureOptions, InputFormats eFormats)
{
    TextureRequest request;
    request.strStem = names.strSourcePath.Left(names.strSourcePath.GetLength() - 2);
    request.strIncludeName = FileNamePart(request.strStem + ".h");
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

#include "convert/convert.h"

#include "convert/bmp/indexed_rows.h"
#include "convert/output/names.h"
#include "convert/texture/texture_writer.h"

namespace zandrel {

ConversionReport ConvertBitmapFile(const CString& strPath, const ConvertOptions& options, const PathStyle& style)
{
    return ConvertImageFile(strPath, options, style, kBmpOnly);
}

ConversionReport ConvertImageFile(const CString& strPath, const ConvertOptions& options, const PathStyle& style,
                                  InputFormats eFormats)
{
    // Names first, for every file, refused or not; nothing is created for a
    // refused one.
    return ConvertImageFileTo(strPath, DeriveOutputNames(strPath, options.m_bAddPrefix, style), options, eFormats);
}

ConversionReport ConvertImageFileTo(const CString& strPath, const OutputNames& names, const ConvertOptions& options,
                                    InputFormats eFormats)
{
    const OutputRequest request = MakeOutputRequest(names, options);

    DecodedImage image;
    const Refusal eRefusal = DecodeImageFile(strPath, eFormats, &image);
    if (eRefusal != Refusal::kNone)
        return ReportRefused(eRefusal, image.nBitCount);
    ConversionReport report;
    if (image.nBitCount != 8) {
        report = ConvertTrueColor(image.surface, request);
    } else {
        IndexedImage& indexed = image.indexed;
        report = ReportWritten(8, indexed.nWidth, indexed.nHeight,
                               WriteIndexedFiles(request, indexed.palette, indexed.nColorCount,
                                                 indexed.indices.Data(), indexed.nWidth, indexed.nHeight));
    }
    if (options.m_bWriteHeader && report.nResult != kConvertRefused) {
        WriteFileAtomically(
            HeaderPathFor(request.strSourcePath),
            [&](ByteSink& sink) {
                return FormatImageHeader(sink, request.strIdentifier, request.m_bAddConst, image.nBitCount,
                                         report.nWidth, report.nHeight);
            },
            &report.output);
        report.nResult = report.output.Succeeded() ? kConvertDone : kConvertWriteFailed;
    }
    return report;
}

ConversionReport ConvertIndexedBitmapFile(const CString& strPath, const ConvertOptions& options,
                                          const PathStyle& style)
{
    const OutputRequest request = MakeOutputRequest(DeriveOutputNames(strPath, options.m_bAddPrefix, style), options);

    IndexedImage image;
    {
        ByteReader reader;
        if (!reader.OpenFile(strPath))
            return ReportRefused(Refusal::kCannotOpen, 0);
        // The input is read completely and closed before any output is opened.
        const Refusal eRefusal = ReadIndexedImage(reader, &image);
        if (eRefusal != Refusal::kNone)
            return ReportRefused(eRefusal, 8);
    }

    return ReportWritten(8, image.nWidth, image.nHeight,
                         WriteIndexedFiles(request, image.palette, image.nColorCount, image.indices.Data(),
                                           image.nWidth, image.nHeight));
}

}  // namespace zandrel

#include "convert/convert_file.h"

#include "convert/indexed_image.h"
#include "convert/output_names.h"

namespace zandrel {

ConversionReport ConvertBitmapFile(const CString& strPath, const ConvertOptions& options, const PathStyle& style)
{
    // Names first, for every file, refused or not; nothing is created for a
    // refused one.
    const OutputRequest request = MakeOutputRequest(DeriveOutputNames(strPath, options.m_bAddPrefix, style), options);

    CDibSurface surface;
    const int nLoaded = surface.Load(strPath);
    if (surface.m_nBitCount == 8)
        return ConvertIndexedBitmapFile(strPath, options, style);
    if (nLoaded && (surface.m_nBitCount == 24 || surface.m_nBitCount == 32))
        return ConvertTrueColor(surface, request);
    const Refusal eRefusal = surface.m_eRefusal != Refusal::kNone ? surface.m_eRefusal : Refusal::kUnsupportedDepth;
    return ReportRefused(eRefusal, surface.m_nBitCount);
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

// DecodeImageFile: the signature sniffed, then one reader run.
#include "convert/image_file.h"

#include <algorithm>
#include <cstdint>

#include "convert/bmp/bmp_reader.h"
#include "convert/png/png_signature.h"

namespace zandrel {
namespace {

bool StartsWithPngSignature(const CString& strPath)
{
    ByteReader reader;
    std::uint8_t signature[8];
    if (!reader.OpenFile(strPath))
        return false;
    const std::size_t nHead = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof signature, reader.Size()));
    return reader.Read(signature, nHead) && IsPngSignature(signature, nHead);
}

}  // namespace

Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage, int* pnDetail)
{
    *pnDetail = 0;
    ByteReader reader;
    const bool bPng = eFormats.pfnReadPng && StartsWithPngSignature(strPath);
    if (!reader.OpenFile(strPath))
        return Refusal::kCannotOpen;
    if (bPng)
        return eFormats.pfnReadPng(reader, pImage);
    int nBitCount = 0;
    const Refusal eRefusal = ReadBmpImage(reader, pImage, &nBitCount);
    if (eRefusal == Refusal::kUnsupportedDepth)
        *pnDetail = nBitCount;
    return eRefusal;
}

}  // namespace zandrel

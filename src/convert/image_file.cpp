#include "convert/image_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

Refusal DecodeBitmapFile(const CString& strPath, DecodedImage* pImage)
{
    // The surface measures every bitmap; 8-bit files are then read by the
    // indexed reader, which takes the palette and indices as they stand.
    const int nLoaded = pImage->surface.Load(strPath);
    pImage->nBitCount = pImage->surface.m_nBitCount;
    if (pImage->surface.m_nBitCount == 8) {
        ByteReader reader;
        if (!reader.OpenFile(strPath))
            return Refusal::kCannotOpen;
        return ReadIndexedImage(reader, &pImage->indexed);
    }
    if (nLoaded && (pImage->surface.m_nBitCount == 24 || pImage->surface.m_nBitCount == 32))
        return Refusal::kNone;
    return pImage->surface.m_eRefusal != Refusal::kNone ? pImage->surface.m_eRefusal : Refusal::kUnsupportedDepth;
}

}  // namespace

bool IsPngSignature(const std::uint8_t* pBytes, std::size_t nCount)
{
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return nCount >= sizeof kSignature && std::memcmp(pBytes, kSignature, sizeof kSignature) == 0;
}

Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage)
{
    if (eFormats.pfnReadPng && StartsWithPngSignature(strPath)) {
        ByteReader reader;
        if (!reader.OpenFile(strPath))
            return Refusal::kCannotOpen;
        return eFormats.pfnReadPng(reader, pImage);
    }
    return DecodeBitmapFile(strPath, pImage);
}

}  // namespace zandrel

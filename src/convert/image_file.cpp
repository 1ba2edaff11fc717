// DecodeImageFile: the file opened and its signature sniffed, then one reader run.
#include "convert/image_file.h"

#include <algorithm>
#include <cstdint>

#include "convert/bmp/bmp_reader.h"
#include "convert/foreign_format.h"
#include "convert/png/png_signature.h"
#include "framework/file_system.h"

namespace zandrel {
namespace {

// The first bytes of the file, as many as a signature needs or the file has.
std::size_t ReadHead(const CString& strPath, std::uint8_t (&head)[kForeignSignatureBytes])
{
    ByteReader reader;
    if (!reader.OpenFile(strPath))
        return 0;
    const std::size_t nHead = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof head, reader.Size()));
    return reader.Read(head, nHead) ? nHead : 0;
}

}  // namespace

Refusal DecodeImageFile(const CString& strPath, InputFormats eFormats, DecodedImage* pImage, int* pnDetail)
{
    *pnDetail = 0;
    ByteReader reader;
    int nError = 0;
    if (!reader.OpenFile(strPath, &nError)) {
        if (IsFolder(strPath))
            return Refusal::kIsFolder;
        *pnDetail = nError;
        return Refusal::kCannotOpen;
    }
    if (reader.Size() == 0)
        return Refusal::kEmptyFile;
    std::uint8_t head[kForeignSignatureBytes] = {};
    const std::size_t nHead = ReadHead(strPath, head);
    if (eFormats.pfnReadPng && IsPngSignature(head, nHead))
        return eFormats.pfnReadPng(reader, pImage);
    const Refusal eForeign = RecognizeForeignFormat(head, nHead);
    if (eForeign != Refusal::kNone)
        return eForeign;
    int nBitCount = 0;
    const BmpDepths eDepths = eFormats.bLowDepthBitmaps ? BmpDepths::kTexture : BmpDepths::kDefaultOutput;
    const Refusal eRefusal = ReadBmpImage(reader, eDepths, pImage, &nBitCount);
    if (eRefusal == Refusal::kUnsupportedDepth || eRefusal == Refusal::kUnsupportedTextureDepth)
        *pnDetail = nBitCount;
    return eRefusal;
}

}  // namespace zandrel

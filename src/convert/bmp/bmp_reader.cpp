// The bitmap reader: headers, then dispatch on the depth they give.
#include "convert/bmp/bmp_reader.h"

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/indexed_rows.h"
#include "convert/bmp/true_color_rows.h"

namespace zandrel {

Refusal ReadBmpImage(ByteReader& reader, BmpDepths eDepths, DecodedImage* pImage, int* pnBitCount)
{
    *pnBitCount = 0;
    BmpHeader header;
    Refusal eRefusal = ReadBmpHeader(reader, &header);
    if (eRefusal != Refusal::kNone)
        return eRefusal;
    *pnBitCount = header.nBitCount;
    const bool bLowDepths = eDepths == BmpDepths::kTexture;
    switch (header.nBitCount) {
    case 1:
    case 4:
        if (!bLowDepths)
            return Refusal::kUnsupportedDepth;
        [[fallthrough]];
    case 8:
        eRefusal = ReadIndexedBitmap(reader, header, &pImage->indexed);
        pImage->eShape = ImageShape::kIndexed;
        break;
    case 16:
        if (!bLowDepths)
            return Refusal::kUnsupportedDepth;
        [[fallthrough]];
    case 24:
    case 32:
        eRefusal = ReadTrueColorBitmap(reader, header, &pImage->trueColor);
        pImage->eShape = ImageShape::kTrueColor;
        break;
    default:
        return bLowDepths ? Refusal::kUnsupportedTextureDepth : Refusal::kUnsupportedDepth;
    }
    if (eRefusal != Refusal::kNone)
        pImage->eShape = ImageShape::kNone;
    return eRefusal;
}

}  // namespace zandrel

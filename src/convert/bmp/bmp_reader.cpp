// The bitmap reader: headers, then dispatch on the depth they give.
#include "convert/bmp/bmp_reader.h"

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/indexed_rows.h"
#include "convert/bmp/true_color_rows.h"

namespace zandrel {

Refusal ReadBmpImage(ByteReader& reader, DecodedImage* pImage, int* pnBitCount)
{
    *pnBitCount = 0;
    BmpHeader header;
    Refusal eRefusal = ReadBmpHeader(reader, &header);
    if (eRefusal != Refusal::kNone)
        return eRefusal;
    *pnBitCount = header.nBitCount;
    switch (header.nBitCount) {
    case 8:
        eRefusal = ReadIndexedBitmap(reader, header, &pImage->indexed);
        pImage->eShape = ImageShape::kIndexed;
        break;
    case 24:
    case 32:
        eRefusal = ReadTrueColorBitmap(reader, header, &pImage->trueColor);
        pImage->eShape = ImageShape::kTrueColor;
        break;
    default:
        return Refusal::kUnsupportedDepth;
    }
    if (eRefusal != Refusal::kNone)
        pImage->eShape = ImageShape::kNone;
    return eRefusal;
}

}  // namespace zandrel

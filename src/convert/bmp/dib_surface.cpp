// CDibSurface: the headers read once, then the true-colour rows.
#include "convert/bmp/dib_surface.h"

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/true_color_rows.h"

namespace zandrel {

int CDibSurface::Load(CString strPath)
{
    Release();
    Forget();
    ByteReader reader;
    if (!reader.OpenFile(strPath))
        return Refuse(Refusal::kCannotOpen);
    return Load(reader);
}

int CDibSurface::Load(ByteReader& reader)
{
    Release();
    Forget();

    BmpHeader header;
    const Refusal eHeader = ReadBmpHeader(reader, &header);
    if (eHeader != Refusal::kNone)
        return Refuse(eHeader);
    m_nWidth = header.nWidth;
    m_nHeight = header.nHeight;
    m_nBitCount = header.nBitCount;
    m_nPlanes = header.nPlanes;
    if (header.nBitCount != 24 && header.nBitCount != 32)
        return Refuse(Refusal::kUnsupportedDepth);

    const Refusal ePixels = ReadTrueColorBitmap(reader, header, &m_image);
    if (ePixels != Refusal::kNone)
        return Refuse(ePixels);
    m_pBits = m_image.pixels.Data();
    m_nStride = 4 * m_nWidth;
    return 1;
}

void CDibSurface::Release()
{
    if (m_pBits) {
        m_image.Release();
        m_pBits = nullptr;
        m_nStride = m_nWidth = m_nHeight = m_nBitCount = m_nPlanes = 0;
    }
}

void CDibSurface::Forget()
{
    m_nStride = m_nWidth = m_nHeight = m_nBitCount = m_nPlanes = 0;
    m_eRefusal = Refusal::kNone;
}

int CDibSurface::Refuse(Refusal eRefusal)
{
    m_eRefusal = eRefusal;
    return 0;
}

}  // namespace zandrel

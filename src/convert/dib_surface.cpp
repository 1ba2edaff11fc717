#include "convert/dib_surface.h"

// Placeholder until the decoder lands.
namespace zandrel {

int CDibSurface::Load(CString strPath)
{
    Release();
    ByteReader reader;
    if (!reader.OpenFile(strPath)) {
        m_eRefusal = Refusal::kCannotOpen;
        return 0;
    }
    return Load(reader);
}

int CDibSurface::Load(ByteReader&)
{
    m_eRefusal = Refusal::kUnsupportedFormat;
    return 0;
}

void CDibSurface::Release()
{
    if (m_pBits) {
        m_pixels.Release();
        m_pBits = nullptr;
        m_nStride = m_nWidth = m_nHeight = m_nBitCount = m_nPlanes = 0;
    }
}

}  // namespace zandrel

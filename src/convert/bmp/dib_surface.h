// CDibSurface: the desktop tool's bitmap surface. Load measures any bitmap
// and, for 24 and 32 bits, holds its pixels as a TrueColorImage.
//
// Pixel (x, y) is the 32-bit value at m_pBits + y * m_nStride + 4 * x, bytes
// blue, green, red and a fourth byte (the alpha of a 32-bit image).
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/image.h"
#include "convert/report.h"
#include "framework/cstring.h"

namespace zandrel {

class CDibSurface {
public:
    CDibSurface() = default;
    ~CDibSurface() { Release(); }
    CDibSurface(const CDibSurface&) = delete;
    CDibSurface& operator=(const CDibSurface&) = delete;

    // 1 when the surface was filled (24 or 32 bits), 0 otherwise. Size and
    // depth are recorded for every bitmap whose headers could be read; the
    // reason for a 0 is in m_eRefusal.
    int Load(CString strPath);
    int Load(ByteReader& reader);

    // Frees the pixels. The recorded size and depth stay when no pixels were
    // held, as for a measured 8-bit image.
    void Release();

    // Attributes
    std::uint8_t* m_pBits = nullptr;
    int m_nStride = 0;     // 4 * m_nWidth
    int m_nWidth = 0;
    int m_nHeight = 0;     // rows, positive once measured
    int m_nBitCount = 0;
    int m_nPlanes = 0;
    Refusal m_eRefusal = Refusal::kNone;
    TrueColorImage m_image;  // the pixels m_pBits points into, for the true-colour path

private:
    // Clears what an earlier Load recorded: a file that cannot be read
    // records nothing, whatever the surface measured before.
    void Forget();
    int Refuse(Refusal eRefusal);
};

}  // namespace zandrel

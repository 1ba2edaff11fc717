// CDibSurface: a bitmap file decoded into a 32-bit, top-row-first surface.
//
// Load records width, height, depth and planes of every bitmap it can read,
// of any depth, and fills the surface for 24-bit and 32-bit images: pixel
// (x, y) is the 32-bit value at m_pBits + y * m_nStride + 4 * x, bytes blue,
// green, red and a fourth byte (the alpha of a 32-bit image).
#pragma once

#include <cstdint>

#include "convert/byte_reader.h"
#include "convert/report.h"
#include "convert/large_buffer.h"
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

    // Takes an uninitialised surface of the given size for a decoder that
    // fills it (24 or 32 bits); false, and nothing held, without the memory.
    // The caller has checked the sizes against the output limits.
    bool Allocate(int nWidth, int nHeight, int nBitCount);

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

private:
    // Clears what an earlier Load recorded: a file that cannot be read
    // records nothing, whatever the surface measured before.
    void Forget();
    int Refuse(Refusal eRefusal);

    LargeBuffer m_pixels;
};

}  // namespace zandrel

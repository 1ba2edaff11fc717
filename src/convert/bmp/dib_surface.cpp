#include "convert/bmp/dib_surface.h"

#include <climits>
#include <cstddef>
#include <cstdint>

#include "convert/bmp/bmp_header.h"
#include "convert/bmp/true_color_rows.h"

namespace zandrel {
namespace {

// The true-colour path's arrays and its binary file (3 bytes a pixel for a
// 32-bit image) are counted in 32-bit signed integers.
constexpr std::uint64_t kMaxArrayBytes = INT_MAX;

}  // namespace

int CDibSurface::Load(CString strPath)
{
    Release();
    Forget();
    ByteReader reader;
    if (!reader.OpenFile(strPath)) {
        m_eRefusal = Refusal::kCannotOpen;
        return 0;
    }
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

    TrueColorLayout layout;
    const Refusal eLayout = MakeTrueColorLayout(header, &layout);
    if (eLayout != Refusal::kNone)
        return Refuse(eLayout);
    if (header.nWidth <= 0 || header.nHeight <= 0)
        return Refuse(Refusal::kBadHeader);

    // Every size is settled before anything is allocated, so a header that
    // claims a huge image in a tiny file costs nothing.
    const auto nWidth = static_cast<std::uint64_t>(header.nWidth);
    const auto nHeight = static_cast<std::uint64_t>(header.nHeight);
    const std::uint64_t nPixels = nWidth * nHeight;
    const std::uint64_t nSurfaceBytes = 4 * nPixels;
    if (3 * nPixels > kMaxArrayBytes || 4 * nWidth > kMaxArrayBytes || nSurfaceBytes > SIZE_MAX)
        return Refuse(Refusal::kTooLarge);
    const std::uint64_t nStoredBytes = BmpRowStride(header.nWidth, header.nBitCount) * nHeight;
    if (nStoredBytes > reader.Size() - header.nPixelOffset)
        return Refuse(Refusal::kTruncated);

    if (!m_pixels.Allocate(static_cast<std::size_t>(nSurfaceBytes)))
        return Refuse(Refusal::kOutOfMemory);
    if (!reader.SkipTo(header.nPixelOffset)) {
        m_pixels.Release();
        return Refuse(Refusal::kTruncated);
    }
    const Refusal ePixels =
        ReadTrueColorPixels(reader, layout, header.nWidth, header.nHeight, header.bTopDown, m_pixels.Data());
    if (ePixels != Refusal::kNone) {
        m_pixels.Release();
        return Refuse(ePixels);
    }

    m_pBits = m_pixels.Data();
    m_nStride = static_cast<int>(4 * nWidth);
    m_eRefusal = Refusal::kNone;
    return 1;
}

bool CDibSurface::Allocate(int nWidth, int nHeight, int nBitCount)
{
    Release();
    Forget();
    const std::uint64_t nBytes = 4 * static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight);
    if (nWidth <= 0 || nHeight <= 0 || 4 * static_cast<std::uint64_t>(nWidth) > kMaxArrayBytes ||
        nBytes > SIZE_MAX || !m_pixels.Allocate(static_cast<std::size_t>(nBytes)))
        return Refuse(Refusal::kOutOfMemory) != 0;
    m_pBits = m_pixels.Data();
    m_nStride = 4 * nWidth;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nBitCount = nBitCount;
    m_nPlanes = 1;
    return true;
}

void CDibSurface::Release()
{
    if (m_pBits) {
        m_pixels.Release();
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

// The Windows PNG decoder: the Windows Imaging Component, copying the frame
// out in bands of rows in whatever pixel format it decodes to, put into
// PNG's sample order for our common code. Only formats that keep the samples
// as stored (or widen them without loss) are taken.
#include <windows.h>

#include <initguid.h>  // the pixel format GUIDs are defined here, not linked
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <new>
#include <utility>
#include <vector>

#include "convert/png/png_decoder.h"
#include "convert/png/png_image_builder.h"

namespace zandrel {
namespace {

// About this many bytes of decoded rows are copied out at a time.
constexpr std::size_t kBandBytes = std::size_t{1} << 20;

template <typename T> class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (m_p)
            m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    T** Out() { return &m_p; }

private:
    T* m_p = nullptr;
};

// COM for this thread while a file is decoded; a caller that set up COM in
// another mode keeps it, and WIC works in either.
class ComScope {
public:
    ComScope() : m_hr(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_hr;
};

// A WIC pixel format, the PNG layout its rows are turned into, and how:
// colour samples to swap from blue-first, 16-bit samples to swap from
// low-byte-first.
struct FormatLayout {
    const GUID* pFormat;
    PngPixelLayout layout;  // channels, bits, indexed
    bool bBgr;
    bool bLittleEndian;
};

const FormatLayout kFormats[] = {
    {&GUID_WICPixelFormat1bppIndexed, {1, 1, true}, false, false},
    {&GUID_WICPixelFormat2bppIndexed, {1, 2, true}, false, false},
    {&GUID_WICPixelFormat4bppIndexed, {1, 4, true}, false, false},
    {&GUID_WICPixelFormat8bppIndexed, {1, 8, true}, false, false},
    {&GUID_WICPixelFormatBlackWhite, {1, 1, false}, false, false},
    {&GUID_WICPixelFormat2bppGray, {1, 2, false}, false, false},
    {&GUID_WICPixelFormat4bppGray, {1, 4, false}, false, false},
    {&GUID_WICPixelFormat8bppGray, {1, 8, false}, false, false},
    {&GUID_WICPixelFormat16bppGray, {1, 16, false}, false, true},
    {&GUID_WICPixelFormat24bppBGR, {3, 8, false}, true, false},
    {&GUID_WICPixelFormat24bppRGB, {3, 8, false}, false, false},
    {&GUID_WICPixelFormat32bppBGRA, {4, 8, false}, true, false},
    {&GUID_WICPixelFormat32bppRGBA, {4, 8, false}, false, false},
    {&GUID_WICPixelFormat48bppRGB, {3, 16, false}, false, true},
    {&GUID_WICPixelFormat64bppRGBA, {4, 16, false}, false, true},
};

const FormatLayout* FindFormat(const GUID& format)
{
    for (const FormatLayout& entry : kFormats) {
        if (IsEqualGUID(*entry.pFormat, format))
            return &entry;
    }
    return nullptr;
}

// Puts a row of nWidth pixels into PNG's sample order, in place.
void ToPngOrder(const FormatLayout& format, std::uint8_t* pRow, std::size_t nRowBytes, std::size_t nWidth)
{
    if (format.bBgr) {
        const std::size_t nChannels = static_cast<std::size_t>(format.layout.nChannels);
        for (std::size_t x = 0; x < nWidth; ++x)
            std::swap(pRow[x * nChannels], pRow[x * nChannels + 2]);
    }
    if (format.bLittleEndian) {
        for (std::size_t i = 0; i + 1 < nRowBytes; i += 2)
            std::swap(pRow[i], pRow[i + 1]);
    }
}

Refusal FromHresult(HRESULT hr)
{
    return hr == E_OUTOFMEMORY ? Refusal::kOutOfMemory : Refusal::kPngBadData;
}

}  // namespace

// Not every version says so: the data is checked beforehand.
const bool kPngDecoderChecksDataCrcs = false;

Refusal DecodePngRows(const std::uint8_t* pFile, std::size_t nSize, const PngHeader& header,
                      PngImageBuilder& builder)
{
    if (nSize > MAXDWORD)
        return Refusal::kTooLarge;
    ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.Out()));
    if (FAILED(hr))
        return Refusal::kUnsupportedFormat;  // no imaging component on this system
    hr = factory->CreateStream(stream.Out());
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromMemory(const_cast<BYTE*>(pFile), static_cast<DWORD>(nSize));
    if (SUCCEEDED(hr))
        hr = factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.Out());
    if (SUCCEEDED(hr))
        hr = decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand);
    if (SUCCEEDED(hr))
        hr = decoder->GetFrame(0, frame.Out());
    UINT nWidth = 0, nHeight = 0;
    if (SUCCEEDED(hr))
        hr = frame->GetSize(&nWidth, &nHeight);
    WICPixelFormatGUID format{};
    if (SUCCEEDED(hr))
        hr = frame->GetPixelFormat(&format);
    if (FAILED(hr))
        return FromHresult(hr);
    const FormatLayout* pFormat = FindFormat(format);
    if (nWidth != header.nWidth || nHeight != header.nHeight || !pFormat || !builder.SetLayout(pFormat->layout))
        return Refusal::kUnsupportedFormat;
    const PngPixelLayout& layout = pFormat->layout;

    // WIC counts a row's bytes in 32 bits; 8 bytes a pixel of a width below
    // 2^29 may pass that.
    const std::size_t nStride =
        (std::size_t{nWidth} * static_cast<std::size_t>(layout.nChannels * layout.nBits) + 7) / 8;
    if (nStride > UINT_MAX)
        return Refusal::kTooLarge;
    const UINT nBandRows = static_cast<UINT>(std::clamp<std::size_t>(kBandBytes / nStride, 1, nHeight));
    std::vector<std::uint8_t> band;
    try {
        band.resize(nStride * nBandRows);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    for (UINT y = 0; y < nHeight; y += nBandRows) {
        const UINT nRows = std::min(nBandRows, nHeight - y);
        const WICRect rect = {0, static_cast<INT>(y), static_cast<INT>(nWidth), static_cast<INT>(nRows)};
        hr = frame->CopyPixels(&rect, static_cast<UINT>(nStride), static_cast<UINT>(nStride * nRows), band.data());
        if (FAILED(hr))
            return FromHresult(hr);
        for (UINT i = 0; i < nRows; ++i) {
            std::uint8_t* pRow = band.data() + i * nStride;
            ToPngOrder(*pFormat, pRow, nStride, nWidth);
            builder.TakeRow(y + i, 0, 1, pRow);
        }
    }
    return Refusal::kNone;
}

}  // namespace zandrel

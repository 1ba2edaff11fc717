// Any bytes either fill a surface that matches the file pixel for pixel and
// give the arrays and text of it, or are refused with nothing made; a 16-bit
// file, which the surface refuses, is read as textures read it.
#include <bit>
#include <climits>
#include <cstring>
#include <vector>

#include "convert/bmp/dib_surface.h"
#include "convert/bmp/true_color_rows.h"
#include "convert/output/default_arrays.h"
#include "convert/output/default_text.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// A channel's top 8 bits, a narrower one widened by repeating its bits (apart from the decoder's tables).
std::uint32_t MaskedChannel(std::uint32_t nPixel, std::uint32_t nMask)
{
    const std::uint64_t nValue = (nPixel & nMask) >> std::countr_zero(nMask);
    std::uint64_t nWide = nValue;
    int nHave = std::popcount(nMask);
    for (; nHave < 8; nHave += std::popcount(nMask))
        nWide = (nWide << std::popcount(nMask)) | nValue;
    return static_cast<std::uint8_t>(nWide >> (nHave - 8));
}

// Pixel i, blue low; fourth the alpha mask's, else the highest byte no colour uses, else opaque.
std::uint32_t ExpectedPixel(const std::uint8_t* pFile, const BmpHeader& h, bool bAlphaMask, std::size_t i)
{
    const std::uint64_t y = i / h.nWidth, nRow = h.bTopDown ? y : h.nHeight - 1 - y;
    const std::uint8_t* p = pFile + h.nPixelOffset + nRow * BmpRowStride(h.nWidth, h.nBitCount) +
                            i % h.nWidth * (h.nBitCount / 8);
    const std::uint32_t nPixel = h.nBitCount == 24   ? p[0] | p[1] << 8 | p[2] << 16 | 0xFF000000u
                                 : h.nBitCount == 16 ? ReadLE16(p)
                                                     : ReadLE32(p);
    if (h.nCompression == kBiRgb)
        return nPixel;
    std::uint32_t nFourth = bAlphaMask ? MaskedChannel(nPixel, h.nAlphaMask) : 0xFF;
    for (int nByte = 0; nByte < 4 && !bAlphaMask; ++nByte) {
        if (((h.nRedMask | h.nGreenMask | h.nBlueMask) >> (8 * nByte) & 0xFF) == 0)
            nFourth = nPixel >> (8 * nByte) & 0xFF;
    }
    return MaskedChannel(nPixel, h.nBlueMask) | MaskedChannel(nPixel, h.nGreenMask) << 8 |
           MaskedChannel(nPixel, h.nRedMask) << 16 | nFourth << 24;
}

// A 16-bit image is read with BI_RGB's 5-5-5 or one of the masks sets 16-bit files use, alpha only from a mask.
void CheckSixteenBit(const std::uint8_t* pData, std::size_t nSize)
{
    ByteReader reader(pData, nSize);
    BmpHeader h;
    TrueColorImage image;
    if (ReadBmpHeader(reader, &h) != Refusal::kNone || ReadTrueColorBitmap(reader, h, &image) != Refusal::kNone)
        return;
    const std::uint32_t nAlpha = h.bHasAlphaMask ? h.nAlphaMask : 0;
    const auto masks = [&](std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t nFree) {
        return h.nRedMask == r && h.nGreenMask == g && h.nBlueMask == b && (nAlpha == 0 || nAlpha == nFree);
    };
    const bool bRgb = h.nCompression == kBiRgb;
    Check(bRgb || (h.nInfoSize != 64 && (masks(0xF800, 0x7E0, 0x1F, 0) || masks(0x7C00, 0x3E0, 0x1F, 0x8000) ||
                                          masks(0xF00, 0xF0, 0xF, 0xF000))),
          "16-bit masks read that 16-bit files do not use");
    const bool bAlphaMask = !bRgb && nAlpha != 0;
    Check(image.bAlpha == bAlphaMask && image.nWidth == h.nWidth && image.nHeight == h.nHeight &&
              h.nPixelOffset + BmpRowStride(h.nWidth, 16) * h.nHeight <= nSize,
          "16-bit image of the wrong size or alpha");
    if (bRgb) {
        h.nCompression = kBiBitfields;
        h.nRedMask = 0x7C00, h.nGreenMask = 0x3E0, h.nBlueMask = 0x1F;
    }
    const std::size_t nPixels = std::size_t(h.nWidth) * std::size_t(h.nHeight);
    for (std::size_t i = 0; i < nPixels; ++i) {
        const std::uint32_t nExpected = ExpectedPixel(pData, h, bAlphaMask, i) | (bAlphaMask ? 0 : 0xFF000000u);
        Check(std::memcmp(&nExpected, image.pixels.Data() + 4 * i, 4) == 0, "16-bit pixel differs from the file");
    }
}

}  // namespace

int FuzzTrueColor(const std::uint8_t* pData, std::size_t nSize)
{
    CDibSurface surface;
    ByteReader reader(pData, nSize);
    LargeBuffer words, alpha;
    if (!surface.Load(reader)) {
        Check(!surface.m_pBits && !surface.m_image.pixels.Data() && surface.m_eRefusal != Refusal::kNone &&
                  BuildTrueColorArrays(surface.m_image, &words, &alpha) != Refusal::kNone && !words.Size() && !alpha.Size(),
              "a refused file gave pixels or arrays");
        if (surface.m_nBitCount == 16)
            CheckSixteenBit(pData, nSize);
        return 0;
    }
    const int nWidth = surface.m_nWidth, nHeight = surface.m_nHeight;
    const std::size_t nPixels = std::size_t(nWidth) * std::size_t(nHeight);
    BmpHeader header;
    ByteReader again(pData, nSize);
    Check((surface.m_nBitCount == 24 || surface.m_nBitCount == 32) && nWidth > 0 && nHeight > 0 &&
              surface.m_nStride == 4 * nWidth && 3 * std::uint64_t{nPixels} <= INT_MAX &&
              ReadBmpHeader(again, &header) == Refusal::kNone &&
              surface.m_nPlanes == ReadLE16(pData + (header.nInfoSize == 12 ? 22 : 26)) &&
              header.nPixelOffset + BmpRowStride(nWidth, header.nBitCount) * nHeight <= nSize,
          "filled surface has a bad depth or size, or rows past the end of the file");

    // A fourth byte 0 in every pixel, with no alpha mask to call it alpha, is
    // padding: the image is opaque. (The host is little-endian.)
    const bool bAlphaMask = header.nCompression != kBiRgb && header.bHasAlphaMask && header.nAlphaMask;
    std::vector<std::uint32_t> expected(nPixels), chunked(nPixels);
    std::uint32_t nFourthBits = 0;
    for (std::size_t i = 0; i < nPixels; ++i)
        nFourthBits |= (expected[i] = ExpectedPixel(pData, header, bAlphaMask, i)) >> 24;
    for (std::size_t i = 0; i < nPixels && !nFourthBits && !bAlphaMask; ++i)
        expected[i] |= 0xFF000000u;
    Check(std::memcmp(expected.data(), surface.m_pBits, 4 * nPixels) == 0, "surface pixel differs from the file");

    // Rows streamed through a chunk of a few bytes, split everywhere, are the same.
    TrueColorLayout layout;
    Check(MakeTrueColorLayout(header, &layout) == Refusal::kNone && again.SkipTo(header.nPixelOffset) &&
              ReadTrueColorPixels(again, layout, nWidth, nHeight, header.bTopDown,
                                  reinterpret_cast<std::uint8_t*>(chunked.data()), 1 + nSize % 23) == Refusal::kNone &&
              chunked == expected,
          "rows read in small chunks differ");

    Check(BuildTrueColorArrays(surface.m_image, &words, &alpha) == Refusal::kNone && words.Size() == 2 * nPixels &&
              alpha.Size() == (surface.m_nBitCount == 32 ? nPixels : 0),
          "array sizes");
    const Color16* pWords = words.As<Color16>();
    const std::uint8_t* pAlpha = surface.m_nBitCount == 32 ? alpha.Data() : nullptr;
    for (std::size_t i = 0; i < nPixels; ++i) {
        Check(pWords[i] == PlainColor(expected[i] >> 16, expected[i] >> 8, expected[i]) &&
                  (!pAlpha || pAlpha[i] == expected[i] >> 24),
              "colour word or alpha byte differs");
    }
    const bool bConst = nSize & 1;
    StringSink text;
    Check(FormatTrueColorSource(text, CString("image_fuzz"), bConst, pWords, pAlpha, nWidth, nHeight) &&
              text.m_bytes == "// bitmap image for PSP\r\n// width = " + std::to_string(nWidth) + ", height = " +
                                  std::to_string(nHeight) + "\r\n" +
                                  PlainArray(bConst, "unsigned short", "image_fuzz", pWords, nWidth, nHeight) +
                                  (pAlpha ? "\r\n\r\n" + PlainArray(bConst, "unsigned char", "image_fuzz_alpha",
                                                                    pAlpha, nWidth, nHeight)
                                          : ""),
          "C text differs");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzTrueColor)

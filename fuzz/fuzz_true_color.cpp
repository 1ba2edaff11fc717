// Fuzzes the bitmap decoder and the true-colour path on memory: any bytes
// either fill a surface that matches the file pixel for pixel and give a text
// and a binary of exactly the image's size, or are refused with nothing made.
#include <bit>
#include <climits>
#include <vector>

#include "convert/bmp_header.h"
#include "convert/dib_surface.h"
#include "convert/true_color.h"
#include "convert/true_color_pixels.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

// Independent of the decoder's tables: a channel cut out by a contiguous
// mask, its top 8 bits kept, a narrower one widened by repeating its bits.
std::uint8_t MaskedChannel(std::uint32_t nPixel, std::uint32_t nMask)
{
    const int nBits = std::popcount(nMask);
    const std::uint64_t nValue = (nPixel & nMask) >> std::countr_zero(nMask);
    std::uint64_t nWide = nValue;
    int nHave = nBits;
    for (; nHave < 8; nHave += nBits)
        nWide = (nWide << nBits) | nValue;
    return static_cast<std::uint8_t>(nWide >> (nHave - 8));
}

// The surface bytes of pixel (x, y) from the file, the fourth one as stored
// (before the rule for files without alpha); 0xFF for none at all.
std::uint32_t ExpectedPixel(const std::uint8_t* pFile, const BmpHeader& header, int x, int y)
{
    const std::uint64_t nRow = header.bTopDown ? y : header.nHeight - 1 - y;
    const std::uint8_t* p = pFile + header.nPixelOffset + nRow * BmpRowStride(header.nWidth, header.nBitCount) +
                            std::uint64_t{header.nBitCount / 8u} * x;
    const std::uint32_t nPixel = header.nBitCount == 24 ? p[0] | p[1] << 8 | p[2] << 16 | 0xFF000000u : ReadLE32(p);
    if (header.nCompression == kBiRgb)
        return nPixel;
    std::uint32_t nFourth = 0xFF;
    // No alpha mask: the highest byte no colour uses, else opaque.
    for (int nByte = 3; nByte >= 0 && !(header.bHasAlphaMask && header.nAlphaMask); --nByte) {
        if (((header.nRedMask | header.nGreenMask | header.nBlueMask) & (0xFFu << (8 * nByte))) == 0) {
            nFourth = (nPixel >> (8 * nByte)) & 0xFF;
            break;
        }
    }
    if (header.bHasAlphaMask && header.nAlphaMask)
        nFourth = MaskedChannel(nPixel, header.nAlphaMask);
    return MaskedChannel(nPixel, header.nBlueMask) | MaskedChannel(nPixel, header.nGreenMask) << 8 |
           MaskedChannel(nPixel, header.nRedMask) << 16 | nFourth << 24;
}

}  // namespace

int FuzzTrueColor(const std::uint8_t* pData, std::size_t nSize)
{
    CDibSurface surface;
    ByteReader reader(pData, nSize);
    LargeBuffer words, alpha;
    if (!surface.Load(reader)) {
        Check(!surface.m_pBits && surface.m_eRefusal != Refusal::kNone &&
                  BuildTrueColorArrays(surface, &words, &alpha) != Refusal::kNone && !words.Size() && !alpha.Size(),
              "a refused file gave pixels or arrays");
        return 0;
    }
    const int nWidth = surface.m_nWidth, nHeight = surface.m_nHeight;
    const bool b32 = surface.m_nBitCount == 32;
    const std::size_t nPixels = std::size_t(nWidth) * std::size_t(nHeight);
    Check((b32 || surface.m_nBitCount == 24) && nWidth > 0 && nHeight > 0 && surface.m_nStride == 4 * nWidth &&
              3 * std::uint64_t{nPixels} <= INT_MAX,
          "filled surface has a bad depth or size");

    // The surface matches the file, pixel by pixel; the stored rows lie within it.
    BmpHeader header;
    ByteReader headerReader(pData, nSize);
    Check(ReadBmpHeader(headerReader, &header) == Refusal::kNone &&
              header.nPixelOffset + BmpRowStride(nWidth, header.nBitCount) * nHeight <= nSize,
          "rows past the end of the file");
    std::vector<std::uint32_t> expected(nPixels);
    std::uint32_t nFourthBits = 0;
    for (std::size_t i = 0; i < nPixels; ++i)
        nFourthBits |= (expected[i] = ExpectedPixel(pData, header, int(i % nWidth), int(i / nWidth))) >> 24;
    // A fourth byte that is 0 in every pixel, with no alpha mask to say it
    // is alpha, is padding: the image is opaque.
    for (std::size_t i = 0; i < nPixels && !nFourthBits && !(header.nCompression && header.bHasAlphaMask && header.nAlphaMask); ++i)
        expected[i] |= 0xFF000000u;
    std::vector<std::uint8_t> bytes(4 * nPixels);
    for (std::size_t i = 0; i < 4 * nPixels; ++i)
        bytes[i] = std::uint8_t(expected[i / 4] >> (8 * (i % 4)));
    Check(std::equal(bytes.begin(), bytes.end(), surface.m_pBits), "surface pixel differs from the file");

    // Rows streamed through a chunk of a few bytes, which splits rows and
    // pixels at every place, give the same surface.
    TrueColorLayout layout;
    std::vector<std::uint8_t> chunked(4 * nPixels);
    ByteReader chunkReader(pData, nSize);
    Check(MakeTrueColorLayout(header, &layout) == Refusal::kNone && chunkReader.SkipTo(header.nPixelOffset) &&
              ReadTrueColorPixels(chunkReader, layout, nWidth, nHeight, header.bTopDown, chunked.data(),
                                  1 + nSize % 23) == Refusal::kNone && chunked == bytes,
          "rows read in small chunks differ");

    Check(BuildTrueColorArrays(surface, &words, &alpha) == Refusal::kNone && words.Size() == 2 * nPixels &&
              alpha.Size() == (b32 ? nPixels : 0),
          "array sizes");
    const Color16* pWords = words.As<Color16>();
    const std::uint8_t* pAlpha = b32 ? alpha.Data() : nullptr;
    for (std::size_t i = 0; i < nPixels; ++i) {
        Check(pWords[i] == PlainColor(bytes[4 * i + 2], bytes[4 * i + 1], bytes[4 * i]) &&
                  (!pAlpha || pAlpha[i] == bytes[4 * i + 3]),
              "colour word or alpha byte differs");
    }

    const bool bConst = nSize & 1;
    const std::string alphaText = !pAlpha ? "" : "\r\n\r\n" + PlainDeclaration(bConst, "unsigned char", "image_fuzz_alpha") +
                                                 PlainRows(pAlpha, nWidth, nHeight, 2) + "};\r\n";
    StringSink text;
    Check(FormatTrueColorSource(text, CString("image_fuzz"), bConst, pWords, pAlpha, nWidth, nHeight) &&
              text.m_bytes == "// bitmap image for PSP\r\n// width = " + std::to_string(nWidth) + ", height = " +
                                  std::to_string(nHeight) + "\r\n" +
                                  PlainDeclaration(bConst, "unsigned short", "image_fuzz") +
                                  PlainRows(pWords, nWidth, nHeight, 4) + "};\r\n" + alphaText,
          "C text differs");

    // The binary in both byte orders, through the writer's own steps.
    for (const int bLittleEndian : {1, 0}) {
        std::vector<Color16> ordered(pWords, pWords + nPixels);
        ApplyByteOrder(ordered.data(), ordered.size(), bLittleEndian);
        StringSink binary;
        Check(WriteTrueColorBinary(binary, ordered.data(), pAlpha, nWidth, nHeight) &&
                  binary.m_bytes == PlainWords(pWords, nPixels, bLittleEndian) +
                                        std::string(pAlpha, pAlpha ? pAlpha + nPixels : pAlpha),
              "binary differs");
    }

    // Loading again into the used surface gives the same image.
    ByteReader again(pData, nSize);
    Check(surface.Load(again) && std::equal(bytes.begin(), bytes.end(), surface.m_pBits), "second load differs");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzTrueColor)

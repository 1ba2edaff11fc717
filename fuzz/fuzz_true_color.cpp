// Fuzzes the bitmap decoder and the true-colour path on memory: any bytes
// either fill a surface that matches the file pixel for pixel and give a text
// and a binary of exactly the image's size, or are refused with nothing made.
#include <bit>
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/bmp_header.h"
#include "convert/byte_reader.h"
#include "convert/dib_surface.h"
#include "convert/large_buffer.h"
#include "convert/output_writer.h"
#include "convert/true_color.h"
#include "convert/true_color_pixels.h"
#include "fuzz_support.h"

namespace {

using zandrel::fuzz::Check;

// Independent of the decoder's tables: a channel cut out by a contiguous
// mask, its top 8 bits kept, a narrower one widened by repeating its bits.
std::uint8_t MaskedChannel(std::uint32_t nPixel, std::uint32_t nMask)
{
    const int nLow = std::countr_zero(nMask);
    const int nBits = std::popcount(nMask);
    std::uint32_t nValue = (nPixel & nMask) >> nLow;
    if (nBits >= 8)
        return static_cast<std::uint8_t>(nValue >> (nBits - 8));
    std::uint32_t nWide = 0;
    int nHave = 0;
    while (nHave < 8) {
        nWide = (nWide << nBits) | nValue;
        nHave += nBits;
    }
    return static_cast<std::uint8_t>(nWide >> (nHave - 8));
}

// The four surface bytes pixel (x, y) must hold, straight from the file.
void ExpectedPixel(const std::uint8_t* pFile, const zandrel::BmpHeader& header, int x, int y, std::uint8_t out[4])
{
    const std::uint64_t nStride = zandrel::BmpRowStride(header.nWidth, header.nBitCount);
    const std::uint64_t nRow = header.bTopDown ? static_cast<std::uint64_t>(y)
                                               : static_cast<std::uint64_t>(header.nHeight - 1 - y);
    const std::uint8_t* p =
        pFile + header.nPixelOffset + nRow * nStride + static_cast<std::uint64_t>(x) * (header.nBitCount / 8);
    if (header.nBitCount == 24) {
        out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = 0xFF;
        return;
    }
    if (header.nCompression == zandrel::kBiRgb) {
        out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = p[3];
        return;
    }
    const std::uint32_t nPixel = zandrel::ReadLE32(p);
    out[0] = MaskedChannel(nPixel, header.nBlueMask);
    out[1] = MaskedChannel(nPixel, header.nGreenMask);
    out[2] = MaskedChannel(nPixel, header.nRedMask);
    if (header.bHasAlphaMask && header.nAlphaMask != 0) {
        out[3] = MaskedChannel(nPixel, header.nAlphaMask);
        return;
    }
    // No alpha mask: the highest byte no colour uses, else opaque.
    const std::uint32_t nColorBits = header.nRedMask | header.nGreenMask | header.nBlueMask;
    out[3] = 0xFF;
    for (int nByte = 3; nByte >= 0; --nByte) {
        if ((nColorBits & (0xFFu << (8 * nByte))) == 0) {
            out[3] = static_cast<std::uint8_t>(nPixel >> (8 * nByte));
            break;
        }
    }
}

void CheckText(const std::string& text, bool bConst, const zandrel::Color16* pWords, const std::uint8_t* pAlpha,
               int nWidth, int nHeight)
{
    zandrel::fuzz::LineCursor lines(zandrel::fuzz::SplitCrLfLines(text));
    lines.Expect("// bitmap image for PSP");
    lines.Expect("// width = " + std::to_string(nWidth) + ", height = " + std::to_string(nHeight));
    lines.Expect(zandrel::fuzz::Declaration(bConst, "unsigned short", "image_fuzz"));
    lines.ExpectRows(pWords, nWidth, nHeight, 4);
    lines.Expect("};");
    if (pAlpha) {
        lines.Expect("");
        lines.Expect("");
        lines.Expect(zandrel::fuzz::Declaration(bConst, "unsigned char", "image_fuzz_alpha"));
        lines.ExpectRows(pAlpha, nWidth, nHeight, 2);
        lines.Expect("};");
    }
    lines.ExpectEnd();
}

void CheckBinary(const std::string& binary, const zandrel::Color16* pPacked, const std::uint8_t* pAlpha,
                 std::size_t nPixels, bool bLittleEndian)
{
    Check(binary.size() == (pAlpha ? 3 : 2) * nPixels, "binary size is not 2 (or 3) bytes a pixel");
    for (std::size_t i = 0; i < nPixels; ++i)
        Check(zandrel::fuzz::LoadWord(binary, 2 * i, bLittleEndian) == pPacked[i], "binary word differs");
    for (std::size_t i = 0; pAlpha && i < nPixels; ++i)
        Check(static_cast<std::uint8_t>(binary[2 * nPixels + i]) == pAlpha[i], "binary alpha byte differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    zandrel::CDibSurface surface;
    zandrel::ByteReader reader(pData, nSize);
    const int nLoaded = surface.Load(reader);

    zandrel::LargeBuffer words;
    zandrel::LargeBuffer alpha;
    if (!nLoaded) {
        Check(surface.m_pBits == nullptr && surface.m_eRefusal != zandrel::Refusal::kNone,
              "a refused file holds pixels or no reason");
        Check(zandrel::BuildTrueColorArrays(surface, &words, &alpha) != zandrel::Refusal::kNone &&
                  words.Size() == 0 && alpha.Size() == 0,
              "a refused surface gave arrays");
        return 0;
    }

    const int nWidth = surface.m_nWidth;
    const int nHeight = surface.m_nHeight;
    const int nBitCount = surface.m_nBitCount;
    Check(nBitCount == 24 || nBitCount == 32, "surface filled for a depth other than 24 or 32");
    Check(nWidth > 0 && nHeight > 0 && surface.m_nStride == 4 * nWidth, "filled surface has a bad size");
    const std::uint64_t nPixels = static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight);
    Check(3 * nPixels <= INT_MAX, "image larger than its arrays may be");
    // Memory is bounded by the input: every stored pixel came from the file.
    Check(nPixels * static_cast<std::uint64_t>(nBitCount / 8) <= nSize, "image larger than the file holds");

    // The surface matches the file, pixel by pixel.
    zandrel::BmpHeader header;
    zandrel::ByteReader headerReader(pData, nSize);
    Check(zandrel::ReadBmpHeader(headerReader, &header) == zandrel::Refusal::kNone, "header refused on a re-read");
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            std::uint8_t expected[4];
            ExpectedPixel(pData, header, x, y, expected);
            const std::uint8_t* pPixel = surface.m_pBits + static_cast<std::size_t>(y) * surface.m_nStride + 4 * x;
            Check(pPixel[0] == expected[0] && pPixel[1] == expected[1] && pPixel[2] == expected[2] &&
                      pPixel[3] == expected[3],
                  "surface pixel differs from the file");
        }
    }

    // Rows streamed through a chunk of a few bytes, which splits rows and
    // pixels at every place, give the same surface.
    zandrel::TrueColorLayout layout;
    Check(zandrel::MakeTrueColorLayout(header, &layout) == zandrel::Refusal::kNone, "layout refused on a re-read");
    std::vector<std::uint8_t> chunked(4 * nPixels);
    zandrel::ByteReader chunkReader(pData, nSize);
    Check(chunkReader.SkipTo(header.nPixelOffset) &&
              zandrel::ReadTrueColorPixels(chunkReader, layout, nWidth, nHeight, header.bTopDown, chunked.data(),
                                           1 + nSize % 23) == zandrel::Refusal::kNone &&
              std::equal(chunked.begin(), chunked.end(), surface.m_pBits),
          "rows read in small chunks differ");

    Check(zandrel::BuildTrueColorArrays(surface, &words, &alpha) == zandrel::Refusal::kNone, "arrays refused");
    Check(words.Size() == 2 * nPixels && alpha.Size() == (nBitCount == 32 ? nPixels : 0), "array sizes");
    auto* pWords = words.As<zandrel::Color16>();
    const std::uint8_t* pAlpha = nBitCount == 32 ? alpha.Data() : nullptr;
    for (std::size_t i = 0; i < nPixels; ++i) {
        const std::uint8_t* pPixel = surface.m_pBits + 4 * i;
        Check(pWords[i] == zandrel::PackColor16(pPixel[2], pPixel[1], pPixel[0]), "colour word differs");
        Check(!pAlpha || pAlpha[i] == pPixel[3], "alpha byte differs");
    }

    const bool bConst = (nSize & 1) != 0;
    zandrel::fuzz::StringSink text;
    Check(zandrel::FormatTrueColorSource(text, CString("image_fuzz"), bConst, pWords, pAlpha, nWidth, nHeight),
          "formatting failed");
    CheckText(text.Bytes(), bConst, pWords, pAlpha, nWidth, nHeight);

    // The binary in both byte orders, through the writer's own steps.
    std::vector<zandrel::Color16> packed(pWords, pWords + nPixels);
    for (const int bLittleEndian : {1, 0}) {
        std::vector<zandrel::Color16> ordered = packed;
        zandrel::ApplyByteOrder(ordered.data(), ordered.size(), bLittleEndian);
        zandrel::fuzz::StringSink binary;
        Check(zandrel::WriteTrueColorBinary(binary, ordered.data(), pAlpha, nWidth, nHeight), "binary failed");
        CheckBinary(binary.Bytes(), packed.data(), pAlpha, nPixels, bLittleEndian != 0);
    }

    // Loading again into the used surface gives the same image.
    zandrel::ByteReader again(pData, nSize);
    Check(surface.Load(again) == 1 && surface.m_nWidth == nWidth && surface.m_nHeight == nHeight,
          "second load differs");
    return 0;
}

// The default output's file set: .c, byte order, .bin, .h, in that order.
#include "convert/output/default_output.h"

#include <bit>
#include <cstddef>

#include "convert/output/output_set.h"
#include "convert/output/default_header.h"
#include "convert/output/default_text.h"

namespace zandrel {
namespace {

// Elements of a width x height array; none unless both are positive.
std::size_t ElementCount(int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return 0;
    return static_cast<std::size_t>(static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight));
}

// The arrays are written as they lie in memory, so on a little-endian machine
// this swaps exactly when big-endian output is asked for.
void ApplyByteOrder(Color16* pWords, std::size_t nCount, int bLittleEndian)
{
    const bool bWantLittle = bLittleEndian != 0;
    if (bWantLittle == (std::endian::native == std::endian::little))
        return;
    for (std::size_t i = 0; i < nCount; ++i)
        pWords[i] = static_cast<Color16>((pWords[i] >> 8) | (pWords[i] << 8));
}

// The .bin: the colour words, then the alpha bytes when there are any.
bool WriteTrueColorBinary(ByteSink& sink, const Color16* pWords, const std::uint8_t* pAlpha, int nWidth,
                          int nHeight)
{
    const std::size_t nCount = ElementCount(nWidth, nHeight);
    if (nCount == 0)
        return true;
    return sink.Write(pWords, nCount * sizeof(Color16)) && (!pAlpha || sink.Write(pAlpha, nCount));
}

// The .bin: the palette words, then the index bytes.
bool WriteIndexedBinary(ByteSink& sink, const Color16* pPalette, int nColorCount, const std::uint8_t* pIndices,
                        int nWidth, int nHeight)
{
    const std::size_t nColors = nColorCount > 0 ? static_cast<std::size_t>(nColorCount) : 0;
    const std::size_t nCount = ElementCount(nWidth, nHeight);
    return (nColors == 0 || sink.Write(pPalette, nColors * sizeof(Color16))) &&
           (nCount == 0 || sink.Write(pIndices, nCount));
}

void WriteHeaderWhenAsked(const OutputNames& names, const ConvertOptions& options, int nBitCount, int nWidth,
                          int nHeight, int nColorCount, COutputSet* pSet)
{
    if (!options.m_bWriteHeader)
        return;
    pSet->Add(
        names.PathOf(".h"),
        [&](ByteSink& sink) {
            return FormatImageHeader(sink, names.strArrayName, options.m_bAddConst, nBitCount, nWidth, nHeight,
                                     nColorCount);
        });
}

}  // namespace

WriteOutcome WriteTrueColorFiles(const OutputNames& names, const ConvertOptions& options, Color16* pWords,
                                 const std::uint8_t* pAlpha, int nWidth, int nHeight)
{
    COutputSet set(options.m_bAllOrNothing != 0);
    set.Add(
        names.PathOf(".c"),
        [&](ByteSink& sink) {
            return FormatTrueColorSource(sink, names.strArrayName, options.m_bAddConst, pWords, pAlpha, nWidth,
                                         nHeight);
        });

    ApplyByteOrder(pWords, ElementCount(nWidth, nHeight), options.m_bLittleEndian);

    if (options.m_bWriteBinary) {
        set.Add(
            names.PathOf(".bin"),
            [&](ByteSink& sink) { return WriteTrueColorBinary(sink, pWords, pAlpha, nWidth, nHeight); });
    }
    WriteHeaderWhenAsked(names, options, pAlpha ? 32 : 24, nWidth, nHeight, 0, &set);
    return set.Finish();
}

WriteOutcome WriteIndexedFiles(const OutputNames& names, const ConvertOptions& options, Color16* pPalette,
                               int nColorCount, const std::uint8_t* pIndices, int nWidth, int nHeight)
{
    COutputSet set(options.m_bAllOrNothing != 0);
    set.Add(
        names.PathOf(".c"),
        [&](ByteSink& sink) {
            return FormatIndexedSource(sink, names.strArrayName, options.m_bAddConst, pPalette, nColorCount,
                                       pIndices, nWidth, nHeight);
        });

    const std::size_t nColors = nColorCount > 0 ? static_cast<std::size_t>(nColorCount) : 0;
    ApplyByteOrder(pPalette, nColors, options.m_bLittleEndian);

    if (options.m_bWriteBinary) {
        set.Add(
            names.PathOf(".bin"),
            [&](ByteSink& sink) {
                return WriteIndexedBinary(sink, pPalette, nColorCount, pIndices, nWidth, nHeight);
            });
    }
    WriteHeaderWhenAsked(names, options, 8, nWidth, nHeight, nColorCount, &set);
    return set.Finish();
}

}  // namespace zandrel

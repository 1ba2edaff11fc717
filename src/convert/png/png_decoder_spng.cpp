// The native PNG decoder: libspng, row by row, so that only one row of
// samples is held beside the image.
#include <spng.h>

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "convert/png/png_decoder.h"
#include "convert/png/png_image_builder.h"

namespace zandrel {
namespace {

// Where each Adam7 pass starts in a row and how far apart its pixels are.
constexpr std::uint32_t kPassX0[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr std::uint32_t kPassStepX[7] = {8, 8, 4, 4, 2, 2, 1};

struct ContextFree {
    void operator()(spng_ctx* pContext) const { spng_ctx_free(pContext); }
};

Refusal FromSpng(int nError)
{
    return nError == SPNG_EMEM ? Refusal::kOutOfMemory : Refusal::kPngBadData;
}

}  // namespace

const bool kPngDecoderChecksDataCrcs = true;

Refusal DecodePngRows(const std::uint8_t* pFile, std::size_t nSize, const PngHeader& header,
                      PngImageBuilder& builder)
{
    std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(0));
    if (!context)
        return Refusal::kOutOfMemory;
    spng_ctx* pContext = context.get();
    // The samples exactly as stored, 16-bit ones big-endian on every host.
    PngPixelLayout layout;
    layout.nChannels = PngChannelCount(header.nColorType);
    layout.nBits = header.nBitDepth;
    layout.bIndexed = header.nColorType == kPngPalette;
    if (!builder.SetLayout(layout))
        return Refusal::kUnsupportedFormat;
    int nError = spng_set_png_buffer(pContext, pFile, nSize);
    if (nError == 0)
        nError = spng_decode_image(pContext, nullptr, 0, SPNG_FMT_RAW, SPNG_DECODE_PROGRESSIVE);
    if (nError != 0)
        return FromSpng(nError);

    const std::size_t nRowBytes =
        (std::size_t{header.nWidth} * static_cast<std::size_t>(layout.nChannels * layout.nBits) + 7) / 8;
    std::vector<std::uint8_t> row;
    try {
        row.resize(nRowBytes);
    } catch (const std::bad_alloc&) {
        return Refusal::kOutOfMemory;
    }
    // An interlaced image comes as the rows of its seven passes; each row
    // holds its pass's pixels at their places in the whole row.
    for (;;) {
        spng_row_info info{};
        // Packed samples of a pass are merged into the row bits already
        // there, so every row of an interlaced image starts cleared.
        if (header.bInterlaced)
            std::fill(row.begin(), row.end(), 0);
        nError = spng_get_row_info(pContext, &info);
        if (nError == 0)
            nError = spng_decode_row(pContext, row.data(), row.size());
        if (nError != 0 && nError != SPNG_EOI)
            return FromSpng(nError);
        const int nPass = header.bInterlaced && info.pass >= 0 && info.pass < 7 ? info.pass : 6;
        builder.TakeRow(info.row_num, kPassX0[nPass], kPassStepX[nPass], row.data());
        if (nError == SPNG_EOI)
            return Refusal::kNone;
    }
}

}  // namespace zandrel

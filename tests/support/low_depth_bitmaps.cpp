// The 1-, 4- and 16-bit bitmaps of the low-depth golden cases, built from tables at test time.
#include "support/low_depth_bitmaps.h"

#include <cstdlib>
#include <utility>

namespace zandrel::test {
namespace {

// A 16-bit picture, little-endian, whose every bit changes across a few pixels, the top ones included.
Bgra Mixed16(int x, int y)
{
    const auto nValue = std::uint16_t(0x9E37 * (x + 3 * y + 1));
    return {std::uint8_t(nValue), std::uint8_t(nValue >> 8)};
}

// Bottom-up rows of every index; biClrUsed is nColors, the whole palette for 0.
BitmapRecipe Packed(int nWidth, int nHeight, int nBitCount, int nColors = 0)
{
    const int nUsed = nColors ? nColors : 1 << nBitCount;
    return {.nWidth = nWidth, .nHeight = nHeight, .nBitCount = std::uint16_t(nBitCount),
            .nClrUsed = std::uint32_t(nColors), .palette = DistinctPalette(nUsed),
            .pixels = StorePackedRows(nWidth, nHeight, nBitCount, false,
                                      [&](int x, int y) { return std::uint8_t((x * 7 + y * 3) % nUsed); })};
}

BitmapRecipe Sixteen(std::uint32_t nCompression, std::vector<std::uint32_t> masks, std::uint32_t nInfoSize = 40,
                     std::int32_t nHeight = 2)
{
    return {.nInfoSize = nInfoSize, .nWidth = 3, .nHeight = nHeight, .nBitCount = 16, .nCompression = nCompression,
            .masks = std::move(masks), .pixels = StoreRows(3, std::abs(nHeight), 2, nHeight < 0, Mixed16)};
}

// A 4-bit RLE4 image of 4 x 4 unless told otherwise (rows of 8 pixels with their alignment), sixteen colours.
BitmapRecipe Rle4(Bytes stream, std::int32_t nWidth = 4, std::int32_t nHeight = 4)
{
    return {.nWidth = nWidth, .nHeight = nHeight, .nBitCount = 4, .nCompression = 2, .palette = DistinctPalette(16),
            .pixels = std::move(stream)};
}

// The recipe with one change made.
BitmapRecipe With(BitmapRecipe recipe, const std::function<void(BitmapRecipe&)>& change)
{
    change(recipe);
    return recipe;
}

}  // namespace

Files LowDepthBitmaps()
{
    BitmapRecipe topDown4 = Packed(5, 3, 4, 6);
    topDown4.nHeight = -3;
    topDown4.pixels = StorePackedRows(5, 3, 4, true, [](int x, int y) { return std::uint8_t((x + 2 * y) % 6); });
    return BuildBitmaps({
        {"depth1_info40.bmp", Packed(13, 3, 1)},
        {"depth1_core12.bmp", With(Packed(9, 2, 1), [](BitmapRecipe& r) { r.nInfoSize = 12; })},
        {"depth4_info40.bmp", Packed(5, 3, 4)},
        {"depth4_topdown_6_colours.bmp", topDown4},
        // Rows from the bottom: an encoded run; an odd absolute run past the width (its last pixel dropped);
        // a delta, then runs to the end of the row's alignment; three pixels and the end, the rest left 0.
        {"depth4_rle4.bmp", Rle4({4, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0, 0, 2, 1, 0, 3, 0xAB, 4, 0xCD,
                                  0, 0, 0, 3, 0xDE, 0xF0, 0, 1})},
        {"depth16_rgb555.bmp", Sixteen(0, {})},
        {"depth16_rgb555_topdown.bmp", Sixteen(0, {}, 40, -2)},
        {"depth16_565.bmp", Sixteen(3, {0xF800, 0x7E0, 0x1F})},
        {"depth16_x555_info52.bmp", Sixteen(3, {0x7C00, 0x3E0, 0x1F}, 52)},
        {"depth16_1555.bmp", Sixteen(6, {0x7C00, 0x3E0, 0x1F, 0x8000})},
        {"depth16_x4444.bmp", Sixteen(3, {0xF00, 0xF0, 0xF})},
        {"depth16_4444_info124.bmp", Sixteen(3, {0xF00, 0xF0, 0xF, 0xF000}, 124)},
    });
}

Files LowDepthRefusalBitmaps()
{
    const auto cut = [](BitmapRecipe& r) { r.pixels.resize(r.pixels.size() - 1); };
    return BuildBitmaps({
        {"depth1_rows_cut.bmp", With(Packed(13, 3, 1), cut)},
        {"depth4_rows_cut.bmp", With(Packed(5, 3, 4), cut)},
        {"depth16_rows_cut.bmp", With(Sixteen(3, {0xF800, 0x7E0, 0x1F}), cut)},
        {"depth4_too_large.bmp", With(Packed(1, 1, 4), [](BitmapRecipe& r) { r.nWidth = r.nHeight = 65535; })},
        {"depth_2.bmp",
         With(Packed(4, 1, 1), [](BitmapRecipe& r) { r.nBitCount = 2, r.palette = DistinctPalette(4); })},
        {"depth_0.bmp", {.nBitCount = 0}},
        {"rle8_on_4.bmp", With(Rle4({2, 1, 0, 1}), [](BitmapRecipe& r) { r.nCompression = 1; })},
        {"rle4_on_1.bmp", With(Packed(8, 1, 1), [](BitmapRecipe& r) { r.nCompression = 2; })},
        // RLE4 streams of a 4 x 2 image.
        {"rle4_topdown.bmp", Rle4({4, 0x11, 0, 1}, 4, -2)},
        {"rle4_no_end.bmp", Rle4({4, 0x11, 0, 0}, 4, 2)},
        {"rle4_run_past_row.bmp", Rle4({9, 0x11, 0, 1}, 4, 2)},
        {"rle4_absolute_past_row.bmp", Rle4({0, 9, 0x11, 0x11, 0x11, 0x11, 0x10, 0, 0, 1}, 4, 2)},
        {"rle4_run_above_top.bmp", Rle4({0, 2, 0, 2, 1, 0x11, 0, 1}, 4, 2)},
        {"rle4_delta_cut.bmp", Rle4({0, 2, 1}, 4, 2)},
        {"rle4_absolute_cut.bmp", Rle4({0, 5, 0x11, 0x11}, 4, 2)},
        // 1.5 million pixels claimed by a stream of 4 bytes.
        {"rle4_stream_far_too_short.bmp", Rle4({0, 0, 0, 1}, 524294, 3)},
        {"masks16_bgr565.bmp", Sixteen(3, {0x1F, 0x7E0, 0xF800})},
        {"masks16_565_alpha.bmp", Sixteen(6, {0xF800, 0x7E0, 0x1F, 0x8000})},
        {"masks16_4444_alpha_low_bit.bmp", Sixteen(6, {0xF00, 0xF0, 0xF, 0x1000})},
        {"masks16_zero.bmp", Sixteen(3, {0, 0x7E0, 0x1F})},
        {"rle8_on_16.bmp", Sixteen(1, {})},
        {"huffman16_os2_64.bmp", Sixteen(3, {}, 64)},
    });
}

}  // namespace zandrel::test

// The refused bitmaps of the golden case "refusals", built from one table at test time.
#include "support/refusal_bitmaps.h"

#include <climits>

namespace zandrel::test {

Files RefusalBitmaps()
{
    const auto paletted = [](BitmapRecipe recipe) {  // two colours, and biClrUsed says so
        recipe.nClrUsed = 2;
        recipe.palette = DistinctPalette(2);
        return recipe;
    };
    const auto rle8 = [&](Bytes stream, std::int32_t nHeight = 2) {  // 4 pixels wide
        return paletted({.nWidth = 4, .nHeight = nHeight, .nBitCount = 8, .nCompression = 1, .pixels = stream});
    };
    return BuildBitmaps({
        {"empty.bmp", {.nCutAt = 0}},
        {"one_b.bmp", {.nCutAt = 1}},
        {"bm_only.bmp", {.nCutAt = 2}},
        {"signature_ba.bmp", {.signature = "BA"}},
        {"cut_in_header.bmp", {.nCutAt = 30}},
        {"info_size_41.bmp", {.nInfoSize = 41}},
        {"offset_in_header.bmp", {.nOffBits = 40}},
        {"offset_past_end.bmp", {.nOffBits = 100}},
        {"depth_1_offset_in_palette.bmp", paletted({.nOffBits = 58, .nWidth = 8, .nBitCount = 1})},
        {"os2_8_no_palette_room.bmp", {.nOffBits = 28, .nInfoSize = 12, .nWidth = 2, .nBitCount = 8}},
        {"width_0.bmp", {.nWidth = 0}},
        {"width_negative.bmp", {.nWidth = -1}},
        {"width_0_8.bmp", paletted({.nWidth = 0, .nBitCount = 8})},
        {"height_0_24.bmp", {.nHeight = 0}},
        {"height_int_min.bmp", {.nHeight = INT_MIN}},
        {"too_wide_24.bmp", {.nWidth = INT_MAX, .pixels = Bytes(300)}},
        {"too_large_8.bmp", paletted({.nWidth = 50000, .nHeight = 50000, .nBitCount = 8, .pixels = Bytes(300)})},
        {"too_large_32.bmp",
         {.nInfoSize = 12, .nWidth = 65535, .nHeight = 65535, .nBitCount = 32, .pixels = Bytes(300)}},
        {"depth_0.bmp", {.nBitCount = 0}},
        {"depth_1.bmp", paletted({.nWidth = 8, .nBitCount = 1})},
        {"depth_16.bmp", {.nWidth = 2, .nBitCount = 16}},
        {"colors_257.bmp", {.nBitCount = 8, .nClrUsed = 257, .palette = DistinctPalette(2)}},
        {"rows_cut_8.bmp", paletted({.nWidth = 5, .nHeight = 2, .nBitCount = 8, .pixels = Bytes(15)})},
        {"rows_cut_24.bmp", {.nWidth = 2, .nHeight = 2, .pixels = Bytes(15)}},
        {"rows_cut_32.bmp", {.nWidth = 2, .nHeight = 2, .nBitCount = 32, .pixels = Bytes(15)}},
        {"bitfields_24.bmp", {.nCompression = 3, .masks = {0xFF0000, 0xFF00, 0xFF}}},
        {"mask_zero.bmp", {.nBitCount = 32, .nCompression = 3, .masks = {0, 0xFF00, 0xFF}}},
        {"mask_split.bmp", {.nBitCount = 32, .nCompression = 3, .masks = {0xF0F000, 0xFF, 0xFF000000}}},
        {"alpha_mask_split.bmp", {.nBitCount = 32, .nCompression = 6, .masks = {0xFF0000, 0xFF00, 0xFF, 0x55000000}}},
        {"huffman_os2_64.bmp", {.nInfoSize = 64, .nBitCount = 32, .nCompression = 3}},
        {"jpeg_24.bmp", {.nCompression = 4, .pixels = {0xFF, 0xD8, 0xFF, 0xE0}}},
        {"jpeg_depth_0.bmp", {.nBitCount = 0, .nCompression = 4, .pixels = {0xFF, 0xD8, 0xFF, 0xE0}}},
        {"png_32.bmp", {.nBitCount = 32, .nCompression = 5, .pixels = {0x89, 'P', 'N', 'G'}}},
        {"rle4_8.bmp", paletted({.nWidth = 4, .nBitCount = 8, .nCompression = 2, .pixels = {0, 1}})},
        {"rle8_on_32.bmp", {.nBitCount = 32, .nCompression = 1}},
        // RLE8 streams of a 4 x 2 image, bottom-up unless the height says otherwise.
        {"rle8_topdown.bmp", rle8({4, 1, 0, 1}, -2)},
        {"rle8_no_end.bmp", rle8({4, 1, 0, 0})},
        {"rle8_run_past_row.bmp", rle8({5, 1, 0, 1})},
        {"rle8_run_above_top.bmp", rle8({0, 2, 0, 2, 1, 1, 0, 1})},
        {"rle8_delta_cut.bmp", rle8({0, 2, 1})},
        {"rle8_absolute_cut.bmp", rle8({0, 4, 1, 1})},
        {"rle8_absolute_past_row.bmp", rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1})},
        // 1.5 million pixels claimed by a stream of 24 bytes (found by fuzzing).
        {"indexed_rle8_stream_far_too_short.bmp",
         {.nWidth = 524294, .nHeight = 3, .nBitCount = 8, .nCompression = 1, .nClrUsed = 4,
          .palette = DistinctPalette(4),
          .pixels = {6, 1, 0, 0, 0, 3, 2, 3, 1, 0, 2, 0, 0, 0, 0, 2, 1, 0, 2, 3, 0, 0, 0, 1}}},
    });
}

}  // namespace zandrel::test

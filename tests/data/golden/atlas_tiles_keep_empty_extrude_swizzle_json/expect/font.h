// texture atlas for the PSP's graphics engine
#ifndef FONT_H
#define FONT_H

#include <stdint.h>

#define FONT_PAGES 1
#define FONT_WIDTH 16
#define FONT_HEIGHT 16
#define FONT_TEXTURE_WIDTH 16
#define FONT_TEXTURE_HEIGHT 16
#define FONT_STORED_HEIGHT 16
#define FONT_BUFFER_WIDTH 16
#define FONT_PSM 2
#define FONT_SWIZZLED 1
#define FONT_BYTES 512

/* Drawing with it:
 *   sceGuTexMode(FONT_PSM, 0, 0, FONT_SWIZZLED);
 *   sceGuTexImage(0, FONT_TEXTURE_WIDTH, FONT_TEXTURE_HEIGHT, FONT_BUFFER_WIDTH, font);
 */

extern const unsigned short font[256] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct font_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} font_sprite_t;

enum font_sprite_id {
    font_sheet_0 = 0,
    font_sheet_1 = 1,
    font_sheet_2 = 2,
    font_sheet_3 = 3,
    font_sheet_4 = 4,
    font_sheet_5 = 5,
};
#define FONT_SPRITES 6

static const font_sprite_t font_sprite_table[6] __attribute__((unused)) = {
    {0, 2, 2, 4, 2, 0, 0, 4, 2},  /* font_sheet_0 */
    {0, 9, 2, 4, 2, 0, 0, 4, 2},  /* font_sheet_1 */
    {0, 2, 7, 4, 2, 0, 0, 4, 2},  /* font_sheet_2 */
    {0, 9, 7, 4, 2, 0, 0, 4, 2},  /* font_sheet_3 */
    {0, 2, 12, 4, 2, 0, 0, 4, 2},  /* font_sheet_4 */
    {0, 9, 12, 4, 2, 0, 0, 4, 2},  /* font_sheet_5 */
};

#endif

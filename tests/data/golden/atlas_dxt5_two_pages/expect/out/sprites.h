// texture atlas for the PSP's graphics engine
#ifndef SPRITES_H
#define SPRITES_H

#include <stdint.h>

#define SPRITES_PAGES 2
#define SPRITES_PAGE0_WIDTH 16
#define SPRITES_PAGE0_HEIGHT 16
#define SPRITES_PAGE0_TEXTURE_WIDTH 16
#define SPRITES_PAGE0_TEXTURE_HEIGHT 16
#define SPRITES_PAGE0_STORED_HEIGHT 16
#define SPRITES_PAGE0_BUFFER_WIDTH 16
#define SPRITES_PAGE0_PSM 10
#define SPRITES_PAGE0_SWIZZLED 0
#define SPRITES_PAGE0_BYTES 256
#define SPRITES_PAGE1_WIDTH 16
#define SPRITES_PAGE1_HEIGHT 16
#define SPRITES_PAGE1_TEXTURE_WIDTH 16
#define SPRITES_PAGE1_TEXTURE_HEIGHT 16
#define SPRITES_PAGE1_STORED_HEIGHT 16
#define SPRITES_PAGE1_BUFFER_WIDTH 16
#define SPRITES_PAGE1_PSM 10
#define SPRITES_PAGE1_SWIZZLED 0
#define SPRITES_PAGE1_BYTES 256

/* Drawing with it:
 *   sceGuTexMode(SPRITES_PAGE0_PSM, 0, 0, SPRITES_PAGE0_SWIZZLED);
 *   sceGuTexImage(0, SPRITES_PAGE0_TEXTURE_WIDTH, SPRITES_PAGE0_TEXTURE_HEIGHT, SPRITES_PAGE0_BUFFER_WIDTH, sprites_page0);
 */

extern const unsigned char sprites_page0[256] __attribute__((aligned(16)));
extern const unsigned char sprites_page1[256] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct sprites_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} sprites_sprite_t;

enum sprites_sprite_id {
    sprites_a = 0,
    sprites_b = 1,
    sprites_c = 2,
};
#define SPRITES_SPRITES 3

static const sprites_sprite_t sprites_sprite_table[3] __attribute__((unused)) = {
    {0, 4, 4, 6, 4, 0, 0, 6, 4},  /* sprites_a */
    {1, 4, 4, 3, 5, 0, 0, 3, 5},  /* sprites_b */
    {0, 12, 4, 2, 2, 0, 0, 2, 2},  /* sprites_c */
};

#endif

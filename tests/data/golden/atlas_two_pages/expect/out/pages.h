// texture atlas for the PSP's graphics engine
#ifndef PAGES_H
#define PAGES_H

#include <stdint.h>

#define PAGES_PAGES 2
#define PAGES_PAGE0_WIDTH 8
#define PAGES_PAGE0_HEIGHT 8
#define PAGES_PAGE0_TEXTURE_WIDTH 8
#define PAGES_PAGE0_TEXTURE_HEIGHT 8
#define PAGES_PAGE0_STORED_HEIGHT 8
#define PAGES_PAGE0_BUFFER_WIDTH 8
#define PAGES_PAGE0_PSM 0
#define PAGES_PAGE0_SWIZZLED 0
#define PAGES_PAGE0_BYTES 128
#define PAGES_PAGE1_WIDTH 8
#define PAGES_PAGE1_HEIGHT 8
#define PAGES_PAGE1_TEXTURE_WIDTH 8
#define PAGES_PAGE1_TEXTURE_HEIGHT 8
#define PAGES_PAGE1_STORED_HEIGHT 8
#define PAGES_PAGE1_BUFFER_WIDTH 8
#define PAGES_PAGE1_PSM 0
#define PAGES_PAGE1_SWIZZLED 0
#define PAGES_PAGE1_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(PAGES_PAGE0_PSM, 0, 0, PAGES_PAGE0_SWIZZLED);
 *   sceGuTexImage(0, PAGES_PAGE0_TEXTURE_WIDTH, PAGES_PAGE0_TEXTURE_HEIGHT, PAGES_PAGE0_BUFFER_WIDTH, pages_page0);
 */

extern const unsigned short pages_page0[64] __attribute__((aligned(16)));
extern const unsigned short pages_page1[64] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct pages_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} pages_sprite_t;

enum pages_sprite_id {
    pages_s1 = 0,
    pages_s2 = 1,
};
#define PAGES_SPRITES 2

static const pages_sprite_t pages_sprite_table[2] __attribute__((unused)) = {
    {0, 1, 1, 5, 5, 0, 0, 5, 5},  /* pages_s1 */
    {1, 1, 1, 5, 5, 0, 0, 5, 5},  /* pages_s2 */
};

#endif

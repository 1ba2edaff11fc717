// texture atlas for the PSP's graphics engine
#ifndef ICONS_H
#define ICONS_H

#include <stdint.h>

#define ICONS_PAGES 1
#define ICONS_WIDTH 16
#define ICONS_HEIGHT 8
#define ICONS_TEXTURE_WIDTH 16
#define ICONS_TEXTURE_HEIGHT 8
#define ICONS_STORED_HEIGHT 8
#define ICONS_BUFFER_WIDTH 16
#define ICONS_PSM 5
#define ICONS_SWIZZLED 0
#define ICONS_BYTES 128
#define ICONS_CLUT_PSM 2
#define ICONS_CLUT_ENTRIES 16
#define ICONS_CLUT_COLORS 12
#define ICONS_CLUT_BLOCKS 1
#define ICONS_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(ICONS_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(ICONS_CLUT_BLOCKS, icons_clut);
 *   sceGuTexMode(ICONS_PSM, 0, 0, ICONS_SWIZZLED);
 *   sceGuTexImage(0, ICONS_TEXTURE_WIDTH, ICONS_TEXTURE_HEIGHT, ICONS_BUFFER_WIDTH, icons);
 */

extern const unsigned char icons[128] __attribute__((aligned(16)));
extern const unsigned short icons_clut[16] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct icons_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} icons_sprite_t;

enum icons_sprite_id {
    icons_a = 0,
    icons_b = 1,
};
#define ICONS_SPRITES 2

static const icons_sprite_t icons_sprite_table[2] __attribute__((unused)) = {
    {0, 5, 1, 6, 4, 0, 0, 6, 4},  /* icons_a */
    {0, 1, 1, 3, 5, 0, 0, 3, 5},  /* icons_b */
};

#endif

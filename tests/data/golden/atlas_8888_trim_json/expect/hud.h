// texture atlas for the PSP's graphics engine
#ifndef HUD_H
#define HUD_H

#include <stdint.h>

#define HUD_PAGES 1
#define HUD_WIDTH 16
#define HUD_HEIGHT 8
#define HUD_TEXTURE_WIDTH 16
#define HUD_TEXTURE_HEIGHT 8
#define HUD_STORED_HEIGHT 8
#define HUD_BUFFER_WIDTH 16
#define HUD_PSM 3
#define HUD_SWIZZLED 0
#define HUD_BYTES 512

/* Drawing with it:
 *   sceGuTexMode(HUD_PSM, 0, 0, HUD_SWIZZLED);
 *   sceGuTexImage(0, HUD_TEXTURE_WIDTH, HUD_TEXTURE_HEIGHT, HUD_BUFFER_WIDTH, hud);
 */

extern const unsigned int hud[128] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct hud_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} hud_sprite_t;

enum hud_sprite_id {
    hud_a = 0,
    hud_b = 1,
    hud_c = 2,
};
#define HUD_SPRITES 3

static const hud_sprite_t hud_sprite_table[3] __attribute__((unused)) = {
    {0, 5, 1, 3, 2, 2, 1, 6, 4},  /* hud_a */
    {0, 1, 1, 3, 5, 0, 0, 3, 5},  /* hud_b */
    {0, 9, 1, 2, 2, 0, 0, 2, 2},  /* hud_c */
};

#endif

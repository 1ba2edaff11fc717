// texture atlas for the PSP's graphics engine
#ifndef Q_H
#define Q_H

#include <stdint.h>

#define Q_PAGES 1
#define Q_WIDTH 16
#define Q_HEIGHT 8
#define Q_TEXTURE_WIDTH 16
#define Q_TEXTURE_HEIGHT 8
#define Q_STORED_HEIGHT 8
#define Q_BUFFER_WIDTH 16
#define Q_PSM 5
#define Q_SWIZZLED 0
#define Q_BYTES 128
#define Q_CLUT_PSM 2
#define Q_CLUT_ENTRIES 32
#define Q_CLUT_COLORS 26
#define Q_CLUT_BLOCKS 2
#define Q_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(Q_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(Q_CLUT_BLOCKS, q_clut);
 *   sceGuTexMode(Q_PSM, 0, 0, Q_SWIZZLED);
 *   sceGuTexImage(0, Q_TEXTURE_WIDTH, Q_TEXTURE_HEIGHT, Q_BUFFER_WIDTH, q);
 */

extern const unsigned char q[128] __attribute__((aligned(16)));
extern const unsigned short q_clut[32] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct q_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} q_sprite_t;

enum q_sprite_id {
    q_a = 0,
    q_b = 1,
    q_c = 2,
};
#define Q_SPRITES 3

static const q_sprite_t q_sprite_table[3] __attribute__((unused)) = {
    {0, 5, 1, 6, 4, 0, 0, 6, 4},  /* q_a */
    {0, 1, 1, 3, 5, 0, 0, 3, 5},  /* q_b */
    {0, 12, 1, 2, 2, 0, 0, 2, 2},  /* q_c */
};

#endif

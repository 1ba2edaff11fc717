// texture atlas for the PSP's graphics engine
#ifndef LOW_DEPTH_H
#define LOW_DEPTH_H

#include <stdint.h>

#define LOW_DEPTH_PAGES 1
#define LOW_DEPTH_WIDTH 32
#define LOW_DEPTH_HEIGHT 8
#define LOW_DEPTH_TEXTURE_WIDTH 32
#define LOW_DEPTH_TEXTURE_HEIGHT 8
#define LOW_DEPTH_STORED_HEIGHT 8
#define LOW_DEPTH_BUFFER_WIDTH 32
#define LOW_DEPTH_PSM 3
#define LOW_DEPTH_SWIZZLED 0
#define LOW_DEPTH_BYTES 1024

/* Drawing with it:
 *   sceGuTexMode(LOW_DEPTH_PSM, 0, 0, LOW_DEPTH_SWIZZLED);
 *   sceGuTexImage(0, LOW_DEPTH_TEXTURE_WIDTH, LOW_DEPTH_TEXTURE_HEIGHT, LOW_DEPTH_BUFFER_WIDTH, low_depth);
 */

extern const unsigned int low_depth[256] __attribute__((aligned(16)));

/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,
 * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,
 * offset_y into a source image of source_w x source_h (0, 0 and w x h when
 * not trimmed). */
typedef struct low_depth_sprite_t {
    uint16_t page;
    uint16_t x, y, w, h;
    uint32_t offset_x, offset_y;
    uint32_t source_w, source_h;
} low_depth_sprite_t;

enum low_depth_sprite_id {
    low_depth_depth16_4444_info124 = 0,
    low_depth_depth16_565 = 1,
    low_depth_depth1_info40 = 2,
    low_depth_depth4_rle4 = 3,
};
#define LOW_DEPTH_SPRITES 4

static const low_depth_sprite_t low_depth_sprite_table[4] __attribute__((unused)) = {
    {0, 20, 1, 3, 2, 0, 0, 3, 2},  /* low_depth_depth16_4444_info124 */
    {0, 24, 1, 3, 2, 0, 0, 3, 2},  /* low_depth_depth16_565 */
    {0, 6, 1, 13, 3, 0, 0, 13, 3},  /* low_depth_depth1_info40 */
    {0, 1, 1, 4, 4, 0, 0, 4, 4},  /* low_depth_depth4_rle4 */
};

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_PAL_H
#define IMAGE_PAL_H

#include "tiles.h"

#define IMAGE_PAL_WIDTH 7
#define IMAGE_PAL_HEIGHT 5
#define IMAGE_PAL_TEXTURE_WIDTH 8
#define IMAGE_PAL_TEXTURE_HEIGHT 8
#define IMAGE_PAL_STORED_HEIGHT 5
#define IMAGE_PAL_BUFFER_WIDTH 32
#define IMAGE_PAL_PSM 4
#define IMAGE_PAL_SWIZZLED 0
#define IMAGE_PAL_BYTES 80
#define IMAGE_PAL_CLUT_PSM TILES_CLUT_PSM
#define IMAGE_PAL_CLUT_ENTRIES TILES_CLUT_ENTRIES
#define IMAGE_PAL_CLUT_COLORS TILES_CLUT_COLORS
#define IMAGE_PAL_CLUT_BLOCKS TILES_CLUT_BLOCKS
#define IMAGE_PAL_CLUT_BYTES TILES_CLUT_BYTES

/* Drawing with it:
 *   sceGuClutMode(IMAGE_PAL_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_PAL_CLUT_BLOCKS, tiles);
 *   sceGuTexMode(IMAGE_PAL_PSM, 0, 0, IMAGE_PAL_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_PAL_TEXTURE_WIDTH, IMAGE_PAL_TEXTURE_HEIGHT, IMAGE_PAL_BUFFER_WIDTH, image_pal);
 */

extern const unsigned char image_pal[80] __attribute__((aligned(16)));

#endif

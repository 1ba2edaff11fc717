// texture for the PSP's graphics engine
#ifndef IMAGE_GRAD_H
#define IMAGE_GRAD_H

#include "tiles.h"

#define IMAGE_GRAD_WIDTH 20
#define IMAGE_GRAD_HEIGHT 16
#define IMAGE_GRAD_TEXTURE_WIDTH 32
#define IMAGE_GRAD_TEXTURE_HEIGHT 16
#define IMAGE_GRAD_STORED_HEIGHT 16
#define IMAGE_GRAD_BUFFER_WIDTH 32
#define IMAGE_GRAD_PSM 4
#define IMAGE_GRAD_SWIZZLED 0
#define IMAGE_GRAD_BYTES 256
#define IMAGE_GRAD_CLUT_PSM TILES_CLUT_PSM
#define IMAGE_GRAD_CLUT_ENTRIES TILES_CLUT_ENTRIES
#define IMAGE_GRAD_CLUT_COLORS TILES_CLUT_COLORS
#define IMAGE_GRAD_CLUT_BLOCKS TILES_CLUT_BLOCKS
#define IMAGE_GRAD_CLUT_BYTES TILES_CLUT_BYTES

/* Drawing with it:
 *   sceGuClutMode(IMAGE_GRAD_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_GRAD_CLUT_BLOCKS, tiles);
 *   sceGuTexMode(IMAGE_GRAD_PSM, 0, 0, IMAGE_GRAD_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_GRAD_TEXTURE_WIDTH, IMAGE_GRAD_TEXTURE_HEIGHT, IMAGE_GRAD_BUFFER_WIDTH, image_grad);
 */

extern const unsigned char image_grad[256] __attribute__((aligned(16)));

#endif

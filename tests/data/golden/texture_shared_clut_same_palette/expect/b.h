// texture for the PSP's graphics engine
#ifndef B_H
#define B_H

#include "pal.h"

#define B_WIDTH 4
#define B_HEIGHT 4
#define B_TEXTURE_WIDTH 4
#define B_TEXTURE_HEIGHT 4
#define B_STORED_HEIGHT 4
#define B_BUFFER_WIDTH 16
#define B_PSM 5
#define B_SWIZZLED 0
#define B_BYTES 64
#define B_CLUT_PSM PAL_CLUT_PSM
#define B_CLUT_ENTRIES PAL_CLUT_ENTRIES
#define B_CLUT_COLORS PAL_CLUT_COLORS
#define B_CLUT_BLOCKS PAL_CLUT_BLOCKS
#define B_CLUT_BYTES PAL_CLUT_BYTES

/* Drawing with it:
 *   sceGuClutMode(B_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(B_CLUT_BLOCKS, pal);
 *   sceGuTexMode(B_PSM, 0, 0, B_SWIZZLED);
 *   sceGuTexImage(0, B_TEXTURE_WIDTH, B_TEXTURE_HEIGHT, B_BUFFER_WIDTH, b);
 */

extern const unsigned char b[64] __attribute__((aligned(16)));

#endif

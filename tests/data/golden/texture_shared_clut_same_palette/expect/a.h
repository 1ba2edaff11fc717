// texture for the PSP's graphics engine
#ifndef A_H
#define A_H

#include "pal.h"

#define A_WIDTH 7
#define A_HEIGHT 5
#define A_TEXTURE_WIDTH 8
#define A_TEXTURE_HEIGHT 8
#define A_STORED_HEIGHT 5
#define A_BUFFER_WIDTH 16
#define A_PSM 5
#define A_SWIZZLED 0
#define A_BYTES 80
#define A_CLUT_PSM PAL_CLUT_PSM
#define A_CLUT_ENTRIES PAL_CLUT_ENTRIES
#define A_CLUT_COLORS PAL_CLUT_COLORS
#define A_CLUT_BLOCKS PAL_CLUT_BLOCKS
#define A_CLUT_BYTES PAL_CLUT_BYTES

/* Drawing with it:
 *   sceGuClutMode(A_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(A_CLUT_BLOCKS, pal);
 *   sceGuTexMode(A_PSM, 0, 0, A_SWIZZLED);
 *   sceGuTexImage(0, A_TEXTURE_WIDTH, A_TEXTURE_HEIGHT, A_BUFFER_WIDTH, a);
 */

extern const unsigned char a[80] __attribute__((aligned(16)));

#endif

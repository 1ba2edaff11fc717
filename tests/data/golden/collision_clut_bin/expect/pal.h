// texture for the PSP's graphics engine
#ifndef PAL_H
#define PAL_H

#define PAL_WIDTH 5
#define PAL_HEIGHT 3
#define PAL_TEXTURE_WIDTH 8
#define PAL_TEXTURE_HEIGHT 4
#define PAL_STORED_HEIGHT 3
#define PAL_BUFFER_WIDTH 16
#define PAL_PSM 5
#define PAL_SWIZZLED 0
#define PAL_BYTES 48
#define PAL_CLUT_PSM 3
#define PAL_CLUT_ENTRIES 16
#define PAL_CLUT_COLORS 16
#define PAL_CLUT_BLOCKS 2
#define PAL_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(PAL_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(PAL_CLUT_BLOCKS, pal_clut);
 *   sceGuTexMode(PAL_PSM, 0, 0, PAL_SWIZZLED);
 *   sceGuTexImage(0, PAL_TEXTURE_WIDTH, PAL_TEXTURE_HEIGHT, PAL_BUFFER_WIDTH, pal);
 */

extern const unsigned char pal[48] __attribute__((aligned(16)));
extern const unsigned int pal_clut[16] __attribute__((aligned(16)));

#endif

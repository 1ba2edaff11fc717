// texture for the PSP's graphics engine
#ifndef IMAGE_PAL_H
#define IMAGE_PAL_H

#define IMAGE_PAL_WIDTH 5
#define IMAGE_PAL_HEIGHT 3
#define IMAGE_PAL_TEXTURE_WIDTH 8
#define IMAGE_PAL_TEXTURE_HEIGHT 4
#define IMAGE_PAL_STORED_HEIGHT 3
#define IMAGE_PAL_BUFFER_WIDTH 32
#define IMAGE_PAL_PSM 4
#define IMAGE_PAL_SWIZZLED 0
#define IMAGE_PAL_BYTES 48
#define IMAGE_PAL_CLUT_PSM 2
#define IMAGE_PAL_CLUT_ENTRIES 16
#define IMAGE_PAL_CLUT_COLORS 16
#define IMAGE_PAL_CLUT_BLOCKS 1
#define IMAGE_PAL_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_PAL_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_PAL_CLUT_BLOCKS, image_pal_clut);
 *   sceGuTexMode(IMAGE_PAL_PSM, 0, 0, IMAGE_PAL_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_PAL_TEXTURE_WIDTH, IMAGE_PAL_TEXTURE_HEIGHT, IMAGE_PAL_BUFFER_WIDTH, image_pal);
 */

extern const unsigned char image_pal[48] __attribute__((aligned(16)));
extern const unsigned short image_pal_clut[16] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_HEIGHT_0_H
#define IMAGE_HEIGHT_0_H

#define IMAGE_HEIGHT_0_WIDTH 3
#define IMAGE_HEIGHT_0_HEIGHT 0
#define IMAGE_HEIGHT_0_TEXTURE_WIDTH 4
#define IMAGE_HEIGHT_0_TEXTURE_HEIGHT 1
#define IMAGE_HEIGHT_0_STORED_HEIGHT 1
#define IMAGE_HEIGHT_0_BUFFER_WIDTH 16
#define IMAGE_HEIGHT_0_PSM 5
#define IMAGE_HEIGHT_0_SWIZZLED 0
#define IMAGE_HEIGHT_0_BYTES 16
#define IMAGE_HEIGHT_0_CLUT_PSM 3
#define IMAGE_HEIGHT_0_CLUT_ENTRIES 24
#define IMAGE_HEIGHT_0_CLUT_COLORS 0
#define IMAGE_HEIGHT_0_CLUT_BLOCKS 3
#define IMAGE_HEIGHT_0_CLUT_BYTES 96

/* Drawing with it:
 *   sceGuClutMode(IMAGE_HEIGHT_0_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_HEIGHT_0_CLUT_BLOCKS, image_height_0_clut);
 *   sceGuTexMode(IMAGE_HEIGHT_0_PSM, 0, 0, IMAGE_HEIGHT_0_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_HEIGHT_0_TEXTURE_WIDTH, IMAGE_HEIGHT_0_TEXTURE_HEIGHT, IMAGE_HEIGHT_0_BUFFER_WIDTH, image_height_0);
 */

extern const unsigned char image_height_0[16] __attribute__((aligned(16)));
extern const unsigned int image_height_0_clut[24] __attribute__((aligned(16)));

#endif

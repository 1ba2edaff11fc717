// texture for the PSP's graphics engine
#ifndef IMAGE_DEPTH1_CORE12_H
#define IMAGE_DEPTH1_CORE12_H

#define IMAGE_DEPTH1_CORE12_WIDTH 9
#define IMAGE_DEPTH1_CORE12_HEIGHT 2
#define IMAGE_DEPTH1_CORE12_TEXTURE_WIDTH 16
#define IMAGE_DEPTH1_CORE12_TEXTURE_HEIGHT 2
#define IMAGE_DEPTH1_CORE12_STORED_HEIGHT 2
#define IMAGE_DEPTH1_CORE12_BUFFER_WIDTH 16
#define IMAGE_DEPTH1_CORE12_PSM 5
#define IMAGE_DEPTH1_CORE12_SWIZZLED 0
#define IMAGE_DEPTH1_CORE12_BYTES 32
#define IMAGE_DEPTH1_CORE12_CLUT_PSM 0
#define IMAGE_DEPTH1_CORE12_CLUT_ENTRIES 16
#define IMAGE_DEPTH1_CORE12_CLUT_BLOCKS 1
#define IMAGE_DEPTH1_CORE12_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_DEPTH1_CORE12_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_DEPTH1_CORE12_CLUT_BLOCKS, image_depth1_core12_clut);
 *   sceGuTexMode(IMAGE_DEPTH1_CORE12_PSM, 0, 0, IMAGE_DEPTH1_CORE12_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_DEPTH1_CORE12_TEXTURE_WIDTH, IMAGE_DEPTH1_CORE12_TEXTURE_HEIGHT, IMAGE_DEPTH1_CORE12_BUFFER_WIDTH, image_depth1_core12);
 */

extern const unsigned char image_depth1_core12[32] __attribute__((aligned(16)));
extern const unsigned short image_depth1_core12_clut[16] __attribute__((aligned(16)));

#endif

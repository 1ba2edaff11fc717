// texture for the PSP's graphics engine
#ifndef IMAGE_DEPTH4_INFO40_H
#define IMAGE_DEPTH4_INFO40_H

#define IMAGE_DEPTH4_INFO40_WIDTH 5
#define IMAGE_DEPTH4_INFO40_HEIGHT 3
#define IMAGE_DEPTH4_INFO40_TEXTURE_WIDTH 8
#define IMAGE_DEPTH4_INFO40_TEXTURE_HEIGHT 4
#define IMAGE_DEPTH4_INFO40_STORED_HEIGHT 3
#define IMAGE_DEPTH4_INFO40_BUFFER_WIDTH 32
#define IMAGE_DEPTH4_INFO40_PSM 4
#define IMAGE_DEPTH4_INFO40_SWIZZLED 0
#define IMAGE_DEPTH4_INFO40_BYTES 48
#define IMAGE_DEPTH4_INFO40_CLUT_PSM 3
#define IMAGE_DEPTH4_INFO40_CLUT_ENTRIES 16
#define IMAGE_DEPTH4_INFO40_CLUT_BLOCKS 2
#define IMAGE_DEPTH4_INFO40_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(IMAGE_DEPTH4_INFO40_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_DEPTH4_INFO40_CLUT_BLOCKS, image_depth4_info40_clut);
 *   sceGuTexMode(IMAGE_DEPTH4_INFO40_PSM, 0, 0, IMAGE_DEPTH4_INFO40_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_DEPTH4_INFO40_TEXTURE_WIDTH, IMAGE_DEPTH4_INFO40_TEXTURE_HEIGHT, IMAGE_DEPTH4_INFO40_BUFFER_WIDTH, image_depth4_info40);
 */

extern const unsigned char image_depth4_info40[48] __attribute__((aligned(16)));
extern const unsigned int image_depth4_info40_clut[16] __attribute__((aligned(16)));

#endif

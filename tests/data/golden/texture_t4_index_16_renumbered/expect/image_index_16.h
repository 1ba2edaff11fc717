// texture for the PSP's graphics engine
#ifndef IMAGE_INDEX_16_H
#define IMAGE_INDEX_16_H

#define IMAGE_INDEX_16_WIDTH 16
#define IMAGE_INDEX_16_HEIGHT 1
#define IMAGE_INDEX_16_TEXTURE_WIDTH 16
#define IMAGE_INDEX_16_TEXTURE_HEIGHT 1
#define IMAGE_INDEX_16_STORED_HEIGHT 1
#define IMAGE_INDEX_16_BUFFER_WIDTH 32
#define IMAGE_INDEX_16_PSM 4
#define IMAGE_INDEX_16_SWIZZLED 0
#define IMAGE_INDEX_16_BYTES 16
#define IMAGE_INDEX_16_CLUT_PSM 3
#define IMAGE_INDEX_16_CLUT_ENTRIES 16
#define IMAGE_INDEX_16_CLUT_COLORS 16
#define IMAGE_INDEX_16_CLUT_BLOCKS 2
#define IMAGE_INDEX_16_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(IMAGE_INDEX_16_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_INDEX_16_CLUT_BLOCKS, image_index_16_clut);
 *   sceGuTexMode(IMAGE_INDEX_16_PSM, 0, 0, IMAGE_INDEX_16_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_INDEX_16_TEXTURE_WIDTH, IMAGE_INDEX_16_TEXTURE_HEIGHT, IMAGE_INDEX_16_BUFFER_WIDTH, image_index_16);
 */

extern const unsigned char image_index_16[16] __attribute__((aligned(16)));
extern const unsigned int image_index_16_clut[16] __attribute__((aligned(16)));

#endif

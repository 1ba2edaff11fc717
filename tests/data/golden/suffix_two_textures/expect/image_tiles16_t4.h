// texture for the PSP's graphics engine
#ifndef IMAGE_TILES16_T4_H
#define IMAGE_TILES16_T4_H

#define IMAGE_TILES16_T4_WIDTH 5
#define IMAGE_TILES16_T4_HEIGHT 3
#define IMAGE_TILES16_T4_TEXTURE_WIDTH 8
#define IMAGE_TILES16_T4_TEXTURE_HEIGHT 4
#define IMAGE_TILES16_T4_STORED_HEIGHT 3
#define IMAGE_TILES16_T4_BUFFER_WIDTH 32
#define IMAGE_TILES16_T4_PSM 4
#define IMAGE_TILES16_T4_SWIZZLED 0
#define IMAGE_TILES16_T4_BYTES 48
#define IMAGE_TILES16_T4_CLUT_PSM 3
#define IMAGE_TILES16_T4_CLUT_ENTRIES 16
#define IMAGE_TILES16_T4_CLUT_BLOCKS 2
#define IMAGE_TILES16_T4_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(IMAGE_TILES16_T4_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_TILES16_T4_CLUT_BLOCKS, image_tiles16_t4_clut);
 *   sceGuTexMode(IMAGE_TILES16_T4_PSM, 0, 0, IMAGE_TILES16_T4_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_TILES16_T4_TEXTURE_WIDTH, IMAGE_TILES16_T4_TEXTURE_HEIGHT, IMAGE_TILES16_T4_BUFFER_WIDTH, image_tiles16_t4);
 */

extern const unsigned char image_tiles16_t4[48] __attribute__((aligned(16)));
extern const unsigned int image_tiles16_t4_clut[16] __attribute__((aligned(16)));

#endif

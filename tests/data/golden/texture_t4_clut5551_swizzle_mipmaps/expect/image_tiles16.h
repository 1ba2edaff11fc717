// texture for the PSP's graphics engine
#ifndef IMAGE_TILES16_H
#define IMAGE_TILES16_H

#define IMAGE_TILES16_WIDTH 5
#define IMAGE_TILES16_HEIGHT 3
#define IMAGE_TILES16_TEXTURE_WIDTH 8
#define IMAGE_TILES16_TEXTURE_HEIGHT 4
#define IMAGE_TILES16_STORED_HEIGHT 8
#define IMAGE_TILES16_BUFFER_WIDTH 32
#define IMAGE_TILES16_PSM 4
#define IMAGE_TILES16_SWIZZLED 1
#define IMAGE_TILES16_BYTES 128
#define IMAGE_TILES16_LEVELS 2
#define IMAGE_TILES16_MIP1_WIDTH 2
#define IMAGE_TILES16_MIP1_HEIGHT 1
#define IMAGE_TILES16_MIP1_TEXTURE_WIDTH 4
#define IMAGE_TILES16_MIP1_TEXTURE_HEIGHT 2
#define IMAGE_TILES16_MIP1_BUFFER_WIDTH 32
#define IMAGE_TILES16_MIP1_BYTES 128
#define IMAGE_TILES16_MIP1_OFFSET 128
#define IMAGE_TILES16_CLUT_PSM 1
#define IMAGE_TILES16_CLUT_ENTRIES 16
#define IMAGE_TILES16_CLUT_COLORS 12
#define IMAGE_TILES16_CLUT_BLOCKS 1
#define IMAGE_TILES16_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_TILES16_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_TILES16_CLUT_BLOCKS, image_tiles16_clut);
 *   sceGuTexMode(IMAGE_TILES16_PSM, IMAGE_TILES16_LEVELS - 1, 0, IMAGE_TILES16_SWIZZLED);
 *   sceGuTexLevelMode(GU_TEXTURE_AUTO, 0.0f);
 *   sceGuTexImage(0, IMAGE_TILES16_TEXTURE_WIDTH, IMAGE_TILES16_TEXTURE_HEIGHT, IMAGE_TILES16_BUFFER_WIDTH, image_tiles16);
 *   sceGuTexImage(1, IMAGE_TILES16_MIP1_TEXTURE_WIDTH, IMAGE_TILES16_MIP1_TEXTURE_HEIGHT, IMAGE_TILES16_MIP1_BUFFER_WIDTH, image_tiles16_mip1);
 */

extern const unsigned char image_tiles16[128] __attribute__((aligned(16)));
extern const unsigned char image_tiles16_mip1[128] __attribute__((aligned(16)));
extern const unsigned short image_tiles16_clut[16] __attribute__((aligned(16)));

#endif

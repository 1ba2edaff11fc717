// texture for the PSP's graphics engine
#ifndef IMAGE_DEPTH4_RLE4_H
#define IMAGE_DEPTH4_RLE4_H

#define IMAGE_DEPTH4_RLE4_WIDTH 4
#define IMAGE_DEPTH4_RLE4_HEIGHT 4
#define IMAGE_DEPTH4_RLE4_TEXTURE_WIDTH 4
#define IMAGE_DEPTH4_RLE4_TEXTURE_HEIGHT 4
#define IMAGE_DEPTH4_RLE4_STORED_HEIGHT 4
#define IMAGE_DEPTH4_RLE4_BUFFER_WIDTH 32
#define IMAGE_DEPTH4_RLE4_PSM 4
#define IMAGE_DEPTH4_RLE4_SWIZZLED 0
#define IMAGE_DEPTH4_RLE4_BYTES 64
#define IMAGE_DEPTH4_RLE4_CLUT_PSM 3
#define IMAGE_DEPTH4_RLE4_CLUT_ENTRIES 16
#define IMAGE_DEPTH4_RLE4_CLUT_COLORS 16
#define IMAGE_DEPTH4_RLE4_CLUT_BLOCKS 2
#define IMAGE_DEPTH4_RLE4_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(IMAGE_DEPTH4_RLE4_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_DEPTH4_RLE4_CLUT_BLOCKS, image_depth4_rle4_clut);
 *   sceGuTexMode(IMAGE_DEPTH4_RLE4_PSM, 0, 0, IMAGE_DEPTH4_RLE4_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_DEPTH4_RLE4_TEXTURE_WIDTH, IMAGE_DEPTH4_RLE4_TEXTURE_HEIGHT, IMAGE_DEPTH4_RLE4_BUFFER_WIDTH, image_depth4_rle4);
 */

extern const unsigned char image_depth4_rle4[64] __attribute__((aligned(16)));
extern const unsigned int image_depth4_rle4_clut[16] __attribute__((aligned(16)));

#endif

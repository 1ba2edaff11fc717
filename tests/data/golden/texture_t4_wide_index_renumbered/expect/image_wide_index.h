// texture for the PSP's graphics engine
#ifndef IMAGE_WIDE_INDEX_H
#define IMAGE_WIDE_INDEX_H

#define IMAGE_WIDE_INDEX_WIDTH 3
#define IMAGE_WIDE_INDEX_HEIGHT 2
#define IMAGE_WIDE_INDEX_TEXTURE_WIDTH 4
#define IMAGE_WIDE_INDEX_TEXTURE_HEIGHT 2
#define IMAGE_WIDE_INDEX_STORED_HEIGHT 2
#define IMAGE_WIDE_INDEX_BUFFER_WIDTH 32
#define IMAGE_WIDE_INDEX_PSM 4
#define IMAGE_WIDE_INDEX_SWIZZLED 0
#define IMAGE_WIDE_INDEX_BYTES 32
#define IMAGE_WIDE_INDEX_CLUT_PSM 3
#define IMAGE_WIDE_INDEX_CLUT_ENTRIES 8
#define IMAGE_WIDE_INDEX_CLUT_COLORS 6
#define IMAGE_WIDE_INDEX_CLUT_BLOCKS 1
#define IMAGE_WIDE_INDEX_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_WIDE_INDEX_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_WIDE_INDEX_CLUT_BLOCKS, image_wide_index_clut);
 *   sceGuTexMode(IMAGE_WIDE_INDEX_PSM, 0, 0, IMAGE_WIDE_INDEX_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_WIDE_INDEX_TEXTURE_WIDTH, IMAGE_WIDE_INDEX_TEXTURE_HEIGHT, IMAGE_WIDE_INDEX_BUFFER_WIDTH, image_wide_index);
 */

extern const unsigned char image_wide_index[32] __attribute__((aligned(16)));
extern const unsigned int image_wide_index_clut[8] __attribute__((aligned(16)));

#endif

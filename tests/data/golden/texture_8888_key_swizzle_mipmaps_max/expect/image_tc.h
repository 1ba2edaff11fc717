// texture for the PSP's graphics engine
#ifndef IMAGE_TC_H
#define IMAGE_TC_H

#define IMAGE_TC_WIDTH 4
#define IMAGE_TC_HEIGHT 2
#define IMAGE_TC_TEXTURE_WIDTH 4
#define IMAGE_TC_TEXTURE_HEIGHT 2
#define IMAGE_TC_STORED_HEIGHT 8
#define IMAGE_TC_BUFFER_WIDTH 4
#define IMAGE_TC_PSM 3
#define IMAGE_TC_SWIZZLED 1
#define IMAGE_TC_BYTES 128
#define IMAGE_TC_LEVELS 3
#define IMAGE_TC_MIP1_WIDTH 2
#define IMAGE_TC_MIP1_HEIGHT 1
#define IMAGE_TC_MIP1_TEXTURE_WIDTH 2
#define IMAGE_TC_MIP1_TEXTURE_HEIGHT 1
#define IMAGE_TC_MIP1_BUFFER_WIDTH 4
#define IMAGE_TC_MIP1_BYTES 128
#define IMAGE_TC_MIP1_OFFSET 128
#define IMAGE_TC_MIP2_WIDTH 1
#define IMAGE_TC_MIP2_HEIGHT 1
#define IMAGE_TC_MIP2_TEXTURE_WIDTH 1
#define IMAGE_TC_MIP2_TEXTURE_HEIGHT 1
#define IMAGE_TC_MIP2_BUFFER_WIDTH 4
#define IMAGE_TC_MIP2_BYTES 128
#define IMAGE_TC_MIP2_OFFSET 256

/* Drawing with it:
 *   sceGuTexMode(IMAGE_TC_PSM, IMAGE_TC_LEVELS - 1, 0, IMAGE_TC_SWIZZLED);
 *   sceGuTexLevelMode(GU_TEXTURE_AUTO, 0.0f);
 *   sceGuTexImage(0, IMAGE_TC_TEXTURE_WIDTH, IMAGE_TC_TEXTURE_HEIGHT, IMAGE_TC_BUFFER_WIDTH, image_tc);
 *   sceGuTexImage(1, IMAGE_TC_MIP1_TEXTURE_WIDTH, IMAGE_TC_MIP1_TEXTURE_HEIGHT, IMAGE_TC_MIP1_BUFFER_WIDTH, image_tc_mip1);
 *   sceGuTexImage(2, IMAGE_TC_MIP2_TEXTURE_WIDTH, IMAGE_TC_MIP2_TEXTURE_HEIGHT, IMAGE_TC_MIP2_BUFFER_WIDTH, image_tc_mip2);
 */

extern const unsigned int image_tc[32] __attribute__((aligned(16)));
extern const unsigned int image_tc_mip1[32] __attribute__((aligned(16)));
extern const unsigned int image_tc_mip2[32] __attribute__((aligned(16)));

#endif

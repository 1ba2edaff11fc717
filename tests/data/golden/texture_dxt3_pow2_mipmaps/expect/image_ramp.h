// texture for the PSP's graphics engine
#ifndef IMAGE_RAMP_H
#define IMAGE_RAMP_H

#define IMAGE_RAMP_WIDTH 10
#define IMAGE_RAMP_HEIGHT 6
#define IMAGE_RAMP_TEXTURE_WIDTH 16
#define IMAGE_RAMP_TEXTURE_HEIGHT 8
#define IMAGE_RAMP_STORED_HEIGHT 8
#define IMAGE_RAMP_BUFFER_WIDTH 16
#define IMAGE_RAMP_PSM 9
#define IMAGE_RAMP_SWIZZLED 0
#define IMAGE_RAMP_BYTES 128
#define IMAGE_RAMP_LEVELS 3
#define IMAGE_RAMP_MIP1_WIDTH 5
#define IMAGE_RAMP_MIP1_HEIGHT 3
#define IMAGE_RAMP_MIP1_TEXTURE_WIDTH 8
#define IMAGE_RAMP_MIP1_TEXTURE_HEIGHT 4
#define IMAGE_RAMP_MIP1_BUFFER_WIDTH 16
#define IMAGE_RAMP_MIP1_BYTES 64
#define IMAGE_RAMP_MIP1_OFFSET 128
#define IMAGE_RAMP_MIP2_WIDTH 2
#define IMAGE_RAMP_MIP2_HEIGHT 1
#define IMAGE_RAMP_MIP2_TEXTURE_WIDTH 4
#define IMAGE_RAMP_MIP2_TEXTURE_HEIGHT 2
#define IMAGE_RAMP_MIP2_BUFFER_WIDTH 16
#define IMAGE_RAMP_MIP2_BYTES 64
#define IMAGE_RAMP_MIP2_OFFSET 192

/* Drawing with it:
 *   sceGuTexMode(IMAGE_RAMP_PSM, IMAGE_RAMP_LEVELS - 1, 0, IMAGE_RAMP_SWIZZLED);
 *   sceGuTexLevelMode(GU_TEXTURE_AUTO, 0.0f);
 *   sceGuTexImage(0, IMAGE_RAMP_TEXTURE_WIDTH, IMAGE_RAMP_TEXTURE_HEIGHT, IMAGE_RAMP_BUFFER_WIDTH, image_ramp);
 *   sceGuTexImage(1, IMAGE_RAMP_MIP1_TEXTURE_WIDTH, IMAGE_RAMP_MIP1_TEXTURE_HEIGHT, IMAGE_RAMP_MIP1_BUFFER_WIDTH, image_ramp_mip1);
 *   sceGuTexImage(2, IMAGE_RAMP_MIP2_TEXTURE_WIDTH, IMAGE_RAMP_MIP2_TEXTURE_HEIGHT, IMAGE_RAMP_MIP2_BUFFER_WIDTH, image_ramp_mip2);
 */

extern const unsigned char image_ramp[128] __attribute__((aligned(16)));
extern const unsigned char image_ramp_mip1[64] __attribute__((aligned(16)));
extern const unsigned char image_ramp_mip2[64] __attribute__((aligned(16)));

#endif

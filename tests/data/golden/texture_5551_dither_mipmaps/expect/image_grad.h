// texture for the PSP's graphics engine
#ifndef IMAGE_GRAD_H
#define IMAGE_GRAD_H

#define IMAGE_GRAD_WIDTH 16
#define IMAGE_GRAD_HEIGHT 4
#define IMAGE_GRAD_TEXTURE_WIDTH 16
#define IMAGE_GRAD_TEXTURE_HEIGHT 4
#define IMAGE_GRAD_STORED_HEIGHT 4
#define IMAGE_GRAD_BUFFER_WIDTH 16
#define IMAGE_GRAD_PSM 1
#define IMAGE_GRAD_SWIZZLED 0
#define IMAGE_GRAD_BYTES 128
#define IMAGE_GRAD_LEVELS 3
#define IMAGE_GRAD_MIP1_WIDTH 8
#define IMAGE_GRAD_MIP1_HEIGHT 2
#define IMAGE_GRAD_MIP1_TEXTURE_WIDTH 8
#define IMAGE_GRAD_MIP1_TEXTURE_HEIGHT 2
#define IMAGE_GRAD_MIP1_BUFFER_WIDTH 8
#define IMAGE_GRAD_MIP1_BYTES 32
#define IMAGE_GRAD_MIP1_OFFSET 128
#define IMAGE_GRAD_MIP2_WIDTH 4
#define IMAGE_GRAD_MIP2_HEIGHT 1
#define IMAGE_GRAD_MIP2_TEXTURE_WIDTH 4
#define IMAGE_GRAD_MIP2_TEXTURE_HEIGHT 1
#define IMAGE_GRAD_MIP2_BUFFER_WIDTH 8
#define IMAGE_GRAD_MIP2_BYTES 16
#define IMAGE_GRAD_MIP2_OFFSET 160

/* Drawing with it:
 *   sceGuTexMode(IMAGE_GRAD_PSM, IMAGE_GRAD_LEVELS - 1, 0, IMAGE_GRAD_SWIZZLED);
 *   sceGuTexLevelMode(GU_TEXTURE_AUTO, 0.0f);
 *   sceGuTexImage(0, IMAGE_GRAD_TEXTURE_WIDTH, IMAGE_GRAD_TEXTURE_HEIGHT, IMAGE_GRAD_BUFFER_WIDTH, image_grad);
 *   sceGuTexImage(1, IMAGE_GRAD_MIP1_TEXTURE_WIDTH, IMAGE_GRAD_MIP1_TEXTURE_HEIGHT, IMAGE_GRAD_MIP1_BUFFER_WIDTH, image_grad_mip1);
 *   sceGuTexImage(2, IMAGE_GRAD_MIP2_TEXTURE_WIDTH, IMAGE_GRAD_MIP2_TEXTURE_HEIGHT, IMAGE_GRAD_MIP2_BUFFER_WIDTH, image_grad_mip2);
 */

extern const unsigned short image_grad[64] __attribute__((aligned(16)));
extern const unsigned short image_grad_mip1[16] __attribute__((aligned(16)));
extern const unsigned short image_grad_mip2[8] __attribute__((aligned(16)));

#endif

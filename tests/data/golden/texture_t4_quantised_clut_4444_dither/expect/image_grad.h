// texture for the PSP's graphics engine
#ifndef IMAGE_GRAD_H
#define IMAGE_GRAD_H

#define IMAGE_GRAD_WIDTH 20
#define IMAGE_GRAD_HEIGHT 16
#define IMAGE_GRAD_TEXTURE_WIDTH 32
#define IMAGE_GRAD_TEXTURE_HEIGHT 16
#define IMAGE_GRAD_STORED_HEIGHT 16
#define IMAGE_GRAD_BUFFER_WIDTH 32
#define IMAGE_GRAD_PSM 4
#define IMAGE_GRAD_SWIZZLED 0
#define IMAGE_GRAD_BYTES 256
#define IMAGE_GRAD_CLUT_PSM 2
#define IMAGE_GRAD_CLUT_ENTRIES 16
#define IMAGE_GRAD_CLUT_COLORS 8
#define IMAGE_GRAD_CLUT_BLOCKS 1
#define IMAGE_GRAD_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_GRAD_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_GRAD_CLUT_BLOCKS, image_grad_clut);
 *   sceGuTexMode(IMAGE_GRAD_PSM, 0, 0, IMAGE_GRAD_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_GRAD_TEXTURE_WIDTH, IMAGE_GRAD_TEXTURE_HEIGHT, IMAGE_GRAD_BUFFER_WIDTH, image_grad);
 */

extern const unsigned char image_grad[256] __attribute__((aligned(16)));
extern const unsigned short image_grad_clut[16] __attribute__((aligned(16)));

#endif

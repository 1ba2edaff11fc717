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

/* Drawing with it:
 *   sceGuTexMode(IMAGE_GRAD_PSM, 0, 0, IMAGE_GRAD_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_GRAD_TEXTURE_WIDTH, IMAGE_GRAD_TEXTURE_HEIGHT, IMAGE_GRAD_BUFFER_WIDTH, image_grad);
 */

extern const unsigned short image_grad[64] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_GRADIENT_H
#define IMAGE_GRADIENT_H

#define IMAGE_GRADIENT_WIDTH 16
#define IMAGE_GRADIENT_HEIGHT 2
#define IMAGE_GRADIENT_TEXTURE_WIDTH 16
#define IMAGE_GRADIENT_TEXTURE_HEIGHT 2
#define IMAGE_GRADIENT_BUFFER_WIDTH 16
#define IMAGE_GRADIENT_PSM 2
#define IMAGE_GRADIENT_SWIZZLED 0

/* Drawing with it:
 *   sceGuTexMode(IMAGE_GRADIENT_PSM, 0, 0, IMAGE_GRADIENT_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_GRADIENT_TEXTURE_WIDTH, IMAGE_GRADIENT_TEXTURE_HEIGHT, IMAGE_GRADIENT_BUFFER_WIDTH, image_gradient);
 */

extern const unsigned short image_gradient[] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_GREY16_H
#define IMAGE_GREY16_H

#define IMAGE_GREY16_WIDTH 8
#define IMAGE_GREY16_HEIGHT 8
#define IMAGE_GREY16_TEXTURE_WIDTH 8
#define IMAGE_GREY16_TEXTURE_HEIGHT 8
#define IMAGE_GREY16_STORED_HEIGHT 8
#define IMAGE_GREY16_BUFFER_WIDTH 8
#define IMAGE_GREY16_PSM 0
#define IMAGE_GREY16_SWIZZLED 0
#define IMAGE_GREY16_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(IMAGE_GREY16_PSM, 0, 0, IMAGE_GREY16_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_GREY16_TEXTURE_WIDTH, IMAGE_GREY16_TEXTURE_HEIGHT, IMAGE_GREY16_BUFFER_WIDTH, image_grey16);
 */

extern const unsigned short image_grey16[64] __attribute__((aligned(16)));

#endif

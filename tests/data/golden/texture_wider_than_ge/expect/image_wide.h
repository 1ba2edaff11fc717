// texture for the PSP's graphics engine
#ifndef IMAGE_WIDE_H
#define IMAGE_WIDE_H

#define IMAGE_WIDE_WIDTH 513
#define IMAGE_WIDE_HEIGHT 1
#define IMAGE_WIDE_TEXTURE_WIDTH 1024
#define IMAGE_WIDE_TEXTURE_HEIGHT 1
#define IMAGE_WIDE_BUFFER_WIDTH 520
#define IMAGE_WIDE_PSM 1
#define IMAGE_WIDE_SWIZZLED 0

/* Drawing with it:
 *   sceGuTexMode(IMAGE_WIDE_PSM, 0, 0, IMAGE_WIDE_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_WIDE_TEXTURE_WIDTH, IMAGE_WIDE_TEXTURE_HEIGHT, IMAGE_WIDE_BUFFER_WIDTH, image_wide);
 */

extern const unsigned short image_wide[] __attribute__((aligned(16)));

#endif

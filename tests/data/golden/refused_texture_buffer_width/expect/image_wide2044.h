// texture for the PSP's graphics engine
#ifndef IMAGE_WIDE2044_H
#define IMAGE_WIDE2044_H

#define IMAGE_WIDE2044_WIDTH 2044
#define IMAGE_WIDE2044_HEIGHT 1
#define IMAGE_WIDE2044_TEXTURE_WIDTH 2048
#define IMAGE_WIDE2044_TEXTURE_HEIGHT 1
#define IMAGE_WIDE2044_BUFFER_WIDTH 2044
#define IMAGE_WIDE2044_PSM 3
#define IMAGE_WIDE2044_SWIZZLED 0

/* Drawing with it:
 *   sceGuTexMode(IMAGE_WIDE2044_PSM, 0, 0, IMAGE_WIDE2044_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_WIDE2044_TEXTURE_WIDTH, IMAGE_WIDE2044_TEXTURE_HEIGHT, IMAGE_WIDE2044_BUFFER_WIDTH, image_wide2044);
 */

extern const unsigned int image_wide2044[] __attribute__((aligned(16)));

#endif

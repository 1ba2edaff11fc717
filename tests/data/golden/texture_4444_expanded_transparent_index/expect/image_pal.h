// texture for the PSP's graphics engine
#ifndef IMAGE_PAL_H
#define IMAGE_PAL_H

#define IMAGE_PAL_WIDTH 5
#define IMAGE_PAL_HEIGHT 3
#define IMAGE_PAL_TEXTURE_WIDTH 8
#define IMAGE_PAL_TEXTURE_HEIGHT 4
#define IMAGE_PAL_STORED_HEIGHT 4
#define IMAGE_PAL_BUFFER_WIDTH 8
#define IMAGE_PAL_PSM 2
#define IMAGE_PAL_SWIZZLED 0
#define IMAGE_PAL_BYTES 64

/* Drawing with it:
 *   sceGuTexMode(IMAGE_PAL_PSM, 0, 0, IMAGE_PAL_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_PAL_TEXTURE_WIDTH, IMAGE_PAL_TEXTURE_HEIGHT, IMAGE_PAL_BUFFER_WIDTH, image_pal);
 */

extern const unsigned short image_pal[32] __attribute__((aligned(16)));

#endif

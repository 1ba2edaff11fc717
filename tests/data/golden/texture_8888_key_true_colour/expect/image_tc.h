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

/* Drawing with it:
 *   sceGuTexMode(IMAGE_TC_PSM, 0, 0, IMAGE_TC_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_TC_TEXTURE_WIDTH, IMAGE_TC_TEXTURE_HEIGHT, IMAGE_TC_BUFFER_WIDTH, image_tc);
 */

extern const unsigned int image_tc[32] __attribute__((aligned(16)));

#endif

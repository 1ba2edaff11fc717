// texture for the PSP's graphics engine
#ifndef IMAGE_ENDS_H
#define IMAGE_ENDS_H

#define IMAGE_ENDS_WIDTH 8
#define IMAGE_ENDS_HEIGHT 8
#define IMAGE_ENDS_TEXTURE_WIDTH 8
#define IMAGE_ENDS_TEXTURE_HEIGHT 8
#define IMAGE_ENDS_STORED_HEIGHT 8
#define IMAGE_ENDS_BUFFER_WIDTH 8
#define IMAGE_ENDS_PSM 0
#define IMAGE_ENDS_SWIZZLED 0
#define IMAGE_ENDS_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(IMAGE_ENDS_PSM, 0, 0, IMAGE_ENDS_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_ENDS_TEXTURE_WIDTH, IMAGE_ENDS_TEXTURE_HEIGHT, IMAGE_ENDS_BUFFER_WIDTH, image_ends);
 */

extern const unsigned short image_ends[64] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_EXACT_H
#define IMAGE_EXACT_H

#define IMAGE_EXACT_WIDTH 8
#define IMAGE_EXACT_HEIGHT 8
#define IMAGE_EXACT_TEXTURE_WIDTH 8
#define IMAGE_EXACT_TEXTURE_HEIGHT 8
#define IMAGE_EXACT_STORED_HEIGHT 8
#define IMAGE_EXACT_BUFFER_WIDTH 8
#define IMAGE_EXACT_PSM 0
#define IMAGE_EXACT_SWIZZLED 0
#define IMAGE_EXACT_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(IMAGE_EXACT_PSM, 0, 0, IMAGE_EXACT_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_EXACT_TEXTURE_WIDTH, IMAGE_EXACT_TEXTURE_HEIGHT, IMAGE_EXACT_BUFFER_WIDTH, image_exact);
 */

extern const unsigned short image_exact[64] __attribute__((aligned(16)));

#endif

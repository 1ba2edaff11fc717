// texture for the PSP's graphics engine
#ifndef IMAGE_FLAT_H
#define IMAGE_FLAT_H

#define IMAGE_FLAT_WIDTH 8
#define IMAGE_FLAT_HEIGHT 24
#define IMAGE_FLAT_TEXTURE_WIDTH 8
#define IMAGE_FLAT_TEXTURE_HEIGHT 32
#define IMAGE_FLAT_STORED_HEIGHT 24
#define IMAGE_FLAT_BUFFER_WIDTH 8
#define IMAGE_FLAT_PSM 0
#define IMAGE_FLAT_SWIZZLED 0
#define IMAGE_FLAT_BYTES 384

/* Drawing with it:
 *   sceGuTexMode(IMAGE_FLAT_PSM, 0, 0, IMAGE_FLAT_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_FLAT_TEXTURE_WIDTH, IMAGE_FLAT_TEXTURE_HEIGHT, IMAGE_FLAT_BUFFER_WIDTH, image_flat);
 */

extern const unsigned short image_flat[192] __attribute__((aligned(16)));

#endif

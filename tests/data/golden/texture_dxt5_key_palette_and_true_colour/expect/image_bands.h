// texture for the PSP's graphics engine
#ifndef IMAGE_BANDS_H
#define IMAGE_BANDS_H

#define IMAGE_BANDS_WIDTH 9
#define IMAGE_BANDS_HEIGHT 6
#define IMAGE_BANDS_TEXTURE_WIDTH 16
#define IMAGE_BANDS_TEXTURE_HEIGHT 8
#define IMAGE_BANDS_STORED_HEIGHT 8
#define IMAGE_BANDS_BUFFER_WIDTH 16
#define IMAGE_BANDS_PSM 10
#define IMAGE_BANDS_SWIZZLED 0
#define IMAGE_BANDS_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(IMAGE_BANDS_PSM, 0, 0, IMAGE_BANDS_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_BANDS_TEXTURE_WIDTH, IMAGE_BANDS_TEXTURE_HEIGHT, IMAGE_BANDS_BUFFER_WIDTH, image_bands);
 */

extern const unsigned char image_bands[128] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_RAMP_H
#define IMAGE_RAMP_H

#define IMAGE_RAMP_WIDTH 10
#define IMAGE_RAMP_HEIGHT 6
#define IMAGE_RAMP_TEXTURE_WIDTH 16
#define IMAGE_RAMP_TEXTURE_HEIGHT 8
#define IMAGE_RAMP_STORED_HEIGHT 8
#define IMAGE_RAMP_BUFFER_WIDTH 16
#define IMAGE_RAMP_PSM 10
#define IMAGE_RAMP_SWIZZLED 0
#define IMAGE_RAMP_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(IMAGE_RAMP_PSM, 0, 0, IMAGE_RAMP_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_RAMP_TEXTURE_WIDTH, IMAGE_RAMP_TEXTURE_HEIGHT, IMAGE_RAMP_BUFFER_WIDTH, image_ramp);
 */

extern const unsigned char image_ramp[128] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef WIDE_H
#define WIDE_H

#define WIDE_WIDTH 513
#define WIDE_HEIGHT 1
#define WIDE_TEXTURE_WIDTH 1024
#define WIDE_TEXTURE_HEIGHT 1
#define WIDE_STORED_HEIGHT 1
#define WIDE_BUFFER_WIDTH 520
#define WIDE_PSM 0
#define WIDE_SWIZZLED 0
#define WIDE_BYTES 1040

/* Drawing with it:
 *   sceGuTexMode(WIDE_PSM, 0, 0, WIDE_SWIZZLED);
 *   sceGuTexImage(0, WIDE_TEXTURE_WIDTH, WIDE_TEXTURE_HEIGHT, WIDE_BUFFER_WIDTH, wide);
 */

extern const unsigned short wide[520] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef ZZ_H
#define ZZ_H

#define ZZ_WIDTH 2
#define ZZ_HEIGHT 1
#define ZZ_TEXTURE_WIDTH 2
#define ZZ_TEXTURE_HEIGHT 1
#define ZZ_STORED_HEIGHT 1
#define ZZ_BUFFER_WIDTH 8
#define ZZ_PSM 0
#define ZZ_SWIZZLED 0
#define ZZ_BYTES 16

/* Drawing with it:
 *   sceGuTexMode(ZZ_PSM, 0, 0, ZZ_SWIZZLED);
 *   sceGuTexImage(0, ZZ_TEXTURE_WIDTH, ZZ_TEXTURE_HEIGHT, ZZ_BUFFER_WIDTH, Zz);
 */

extern const unsigned short Zz[8] __attribute__((aligned(16)));

#endif

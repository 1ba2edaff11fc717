// texture for the PSP's graphics engine
#ifndef ZEPPELIN_H
#define ZEPPELIN_H

#define ZEPPELIN_WIDTH 5
#define ZEPPELIN_HEIGHT 3
#define ZEPPELIN_TEXTURE_WIDTH 8
#define ZEPPELIN_TEXTURE_HEIGHT 4
#define ZEPPELIN_STORED_HEIGHT 8
#define ZEPPELIN_BUFFER_WIDTH 8
#define ZEPPELIN_PSM 2
#define ZEPPELIN_SWIZZLED 1
#define ZEPPELIN_BYTES 128

/* Drawing with it:
 *   sceGuTexMode(ZEPPELIN_PSM, 0, 0, ZEPPELIN_SWIZZLED);
 *   sceGuTexImage(0, ZEPPELIN_TEXTURE_WIDTH, ZEPPELIN_TEXTURE_HEIGHT, ZEPPELIN_BUFFER_WIDTH, zeppelin);
 */

extern unsigned short zeppelin[64] __attribute__((aligned(16)));

#endif

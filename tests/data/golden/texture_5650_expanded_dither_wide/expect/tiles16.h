// texture for the PSP's graphics engine
#ifndef TILES16_H
#define TILES16_H

#define TILES16_WIDTH 5
#define TILES16_HEIGHT 3
#define TILES16_TEXTURE_WIDTH 8
#define TILES16_TEXTURE_HEIGHT 4
#define TILES16_BUFFER_WIDTH 8
#define TILES16_PSM 0
#define TILES16_SWIZZLED 0

/* Drawing with it:
 *   sceGuTexMode(TILES16_PSM, 0, 0, TILES16_SWIZZLED);
 *   sceGuTexImage(0, TILES16_TEXTURE_WIDTH, TILES16_TEXTURE_HEIGHT, TILES16_BUFFER_WIDTH, tiles16);
 */

extern const unsigned short tiles16[] __attribute__((aligned(16)));

#endif

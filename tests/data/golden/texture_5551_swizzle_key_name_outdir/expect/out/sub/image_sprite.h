// texture for the PSP's graphics engine
#ifndef SHIP_H
#define SHIP_H

#define SHIP_WIDTH 5
#define SHIP_HEIGHT 3
#define SHIP_TEXTURE_WIDTH 8
#define SHIP_TEXTURE_HEIGHT 4
#define SHIP_BUFFER_WIDTH 8
#define SHIP_PSM 1
#define SHIP_SWIZZLED 1

/* Drawing with it:
 *   sceGuTexMode(SHIP_PSM, 0, 0, SHIP_SWIZZLED);
 *   sceGuTexImage(0, SHIP_TEXTURE_WIDTH, SHIP_TEXTURE_HEIGHT, SHIP_BUFFER_WIDTH, ship);
 */

extern unsigned short ship[] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef GRADIENT_H
#define GRADIENT_H

#define GRADIENT_WIDTH 16
#define GRADIENT_HEIGHT 2
#define GRADIENT_TEXTURE_WIDTH 16
#define GRADIENT_TEXTURE_HEIGHT 2
#define GRADIENT_BUFFER_WIDTH 16
#define GRADIENT_PSM 0
#define GRADIENT_SWIZZLED 0

/* Drawing with it:
 *   sceGuTexMode(GRADIENT_PSM, 0, 0, GRADIENT_SWIZZLED);
 *   sceGuTexImage(0, GRADIENT_TEXTURE_WIDTH, GRADIENT_TEXTURE_HEIGHT, GRADIENT_BUFFER_WIDTH, gradient);
 */

extern const unsigned short gradient[] __attribute__((aligned(16)));

#endif

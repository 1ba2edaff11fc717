// texture for the PSP's graphics engine
#ifndef IMAGE_SPRITE_H
#define IMAGE_SPRITE_H

#define IMAGE_SPRITE_WIDTH 5
#define IMAGE_SPRITE_HEIGHT 3
#define IMAGE_SPRITE_TEXTURE_WIDTH 8
#define IMAGE_SPRITE_TEXTURE_HEIGHT 4
#define IMAGE_SPRITE_BUFFER_WIDTH 8
#define IMAGE_SPRITE_PSM 1
#define IMAGE_SPRITE_SWIZZLED 1

/* Drawing with it:
 *   sceGuTexMode(IMAGE_SPRITE_PSM, 0, 0, IMAGE_SPRITE_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_SPRITE_TEXTURE_WIDTH, IMAGE_SPRITE_TEXTURE_HEIGHT, IMAGE_SPRITE_BUFFER_WIDTH, image_sprite);
 */

extern const unsigned short image_sprite[] __attribute__((aligned(16)));

#endif

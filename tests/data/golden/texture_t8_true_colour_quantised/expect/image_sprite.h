// texture for the PSP's graphics engine
#ifndef IMAGE_SPRITE_H
#define IMAGE_SPRITE_H

#define IMAGE_SPRITE_WIDTH 5
#define IMAGE_SPRITE_HEIGHT 3
#define IMAGE_SPRITE_TEXTURE_WIDTH 8
#define IMAGE_SPRITE_TEXTURE_HEIGHT 4
#define IMAGE_SPRITE_STORED_HEIGHT 3
#define IMAGE_SPRITE_BUFFER_WIDTH 16
#define IMAGE_SPRITE_PSM 5
#define IMAGE_SPRITE_SWIZZLED 0
#define IMAGE_SPRITE_BYTES 48
#define IMAGE_SPRITE_CLUT_PSM 3
#define IMAGE_SPRITE_CLUT_ENTRIES 16
#define IMAGE_SPRITE_CLUT_COLORS 13
#define IMAGE_SPRITE_CLUT_BLOCKS 2
#define IMAGE_SPRITE_CLUT_BYTES 64

/* Drawing with it:
 *   sceGuClutMode(IMAGE_SPRITE_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_SPRITE_CLUT_BLOCKS, image_sprite_clut);
 *   sceGuTexMode(IMAGE_SPRITE_PSM, 0, 0, IMAGE_SPRITE_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_SPRITE_TEXTURE_WIDTH, IMAGE_SPRITE_TEXTURE_HEIGHT, IMAGE_SPRITE_BUFFER_WIDTH, image_sprite);
 */

extern const unsigned char image_sprite[48] __attribute__((aligned(16)));
extern const unsigned int image_sprite_clut[16] __attribute__((aligned(16)));

#endif

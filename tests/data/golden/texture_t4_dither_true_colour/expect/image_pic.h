// texture for the PSP's graphics engine
#ifndef IMAGE_PIC_H
#define IMAGE_PIC_H

#define IMAGE_PIC_WIDTH 2
#define IMAGE_PIC_HEIGHT 1
#define IMAGE_PIC_TEXTURE_WIDTH 2
#define IMAGE_PIC_TEXTURE_HEIGHT 1
#define IMAGE_PIC_STORED_HEIGHT 1
#define IMAGE_PIC_BUFFER_WIDTH 32
#define IMAGE_PIC_PSM 4
#define IMAGE_PIC_SWIZZLED 0
#define IMAGE_PIC_BYTES 16
#define IMAGE_PIC_CLUT_PSM 3
#define IMAGE_PIC_CLUT_ENTRIES 8
#define IMAGE_PIC_CLUT_COLORS 2
#define IMAGE_PIC_CLUT_BLOCKS 1
#define IMAGE_PIC_CLUT_BYTES 32

/* Drawing with it:
 *   sceGuClutMode(IMAGE_PIC_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(IMAGE_PIC_CLUT_BLOCKS, image_pic_clut);
 *   sceGuTexMode(IMAGE_PIC_PSM, 0, 0, IMAGE_PIC_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_PIC_TEXTURE_WIDTH, IMAGE_PIC_TEXTURE_HEIGHT, IMAGE_PIC_BUFFER_WIDTH, image_pic);
 */

extern const unsigned char image_pic[16] __attribute__((aligned(16)));
extern const unsigned int image_pic_clut[8] __attribute__((aligned(16)));

#endif

// texture for the PSP's graphics engine
#ifndef IMAGE_PIC_H
#define IMAGE_PIC_H

#define IMAGE_PIC_WIDTH 2
#define IMAGE_PIC_HEIGHT 1
#define IMAGE_PIC_TEXTURE_WIDTH 2
#define IMAGE_PIC_TEXTURE_HEIGHT 1
#define IMAGE_PIC_STORED_HEIGHT 1
#define IMAGE_PIC_BUFFER_WIDTH 8
#define IMAGE_PIC_PSM 1
#define IMAGE_PIC_SWIZZLED 0
#define IMAGE_PIC_BYTES 16

/* Drawing with it:
 *   sceGuTexMode(IMAGE_PIC_PSM, 0, 0, IMAGE_PIC_SWIZZLED);
 *   sceGuTexImage(0, IMAGE_PIC_TEXTURE_WIDTH, IMAGE_PIC_TEXTURE_HEIGHT, IMAGE_PIC_BUFFER_WIDTH, image_pic);
 */

extern const unsigned short image_pic[8] __attribute__((aligned(16)));

#endif

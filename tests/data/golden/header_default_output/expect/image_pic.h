// bitmap image for PSP
#ifndef IMAGE_PIC_H
#define IMAGE_PIC_H

#define IMAGE_PIC_WIDTH 2
#define IMAGE_PIC_HEIGHT 1
#define IMAGE_PIC_STORED_HEIGHT 1
#define IMAGE_PIC_BYTES 4
#define IMAGE_PIC_ALPHA_BYTES 2

extern const unsigned short image_pic[2];
extern const unsigned char image_pic_alpha[2];

#endif

// bitmap image for PSP
#ifndef IMAGE_PIC_H
#define IMAGE_PIC_H

#define IMAGE_PIC_WIDTH 2
#define IMAGE_PIC_HEIGHT 1

extern const unsigned short image_pic[];
extern const unsigned char image_pic_alpha[];

#endif

// bitmap image for PSP
#ifndef IMAGE_FONT_H
#define IMAGE_FONT_H

#define IMAGE_FONT_WIDTH 2
#define IMAGE_FONT_HEIGHT 1
#define IMAGE_FONT_STORED_HEIGHT 1
#define IMAGE_FONT_BYTES 4
#define IMAGE_FONT_ALPHA_BYTES 2

extern const unsigned short image_font[2];
extern const unsigned char image_font_alpha[2];

#endif

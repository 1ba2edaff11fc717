// bitmap image for PSP
#ifndef IMAGE_TILES_H
#define IMAGE_TILES_H

#define IMAGE_TILES_WIDTH 2
#define IMAGE_TILES_HEIGHT 2

extern const unsigned short image_tiles_palette[];
extern const unsigned char image_tiles[];

#endif

// bitmap image for PSP
#ifndef IMAGE_TILES_H
#define IMAGE_TILES_H

#define IMAGE_TILES_WIDTH 2
#define IMAGE_TILES_HEIGHT 2
#define IMAGE_TILES_STORED_HEIGHT 2
#define IMAGE_TILES_BYTES 4
#define IMAGE_TILES_PALETTE_BYTES 4

extern const unsigned short image_tiles_palette[2];
extern const unsigned char image_tiles[4];

#endif

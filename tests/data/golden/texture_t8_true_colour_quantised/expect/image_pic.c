// texture for the PSP's graphics engine
// width = 2, height = 1, format t8, buffer width = 16, stored rows = 1
#include "image_pic.h"

const unsigned char image_pic[] __attribute__((aligned(16)))={
0x00,0x01,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
};


// colour table: format 8888, entries = 8
const unsigned int image_pic_clut[] __attribute__((aligned(16)))={
0x800000FF,0xFFFFFFFF,0x00000000,0x00000000,0x00000000,0x00000000,0x00000000,0x00000000,
};

// texture for the PSP's graphics engine
// width = 3, height = 1, format t4, buffer width = 32, stored rows = 1
#include "image_index_16.h"

const unsigned char image_index_16[] __attribute__((aligned(16)))={
0x20,0x01,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
};


// colour table: format 8888, entries = 8
const unsigned int image_index_16_clut[] __attribute__((aligned(16)))={
0xFFFF0000,0xFFFD0A12,0xFFEF5090,0x00000000,0x00000000,0x00000000,0x00000000,0x00000000,
};

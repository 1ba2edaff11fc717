// texture for the PSP's graphics engine
// width = 3, height = 2, format 5650, buffer width = 8, stored rows = 2
#include "image_depth16_1555.h"

const unsigned short image_depth16_1555[] __attribute__((aligned(16)))={
0xBC47,0x70CF,0x2D76,0x0000,0x0000,0x0000,0x0000,0x0000,
0xE19E,0x9E25,0x528D,0x0000,0x0000,0x0000,0x0000,0x0000,
};

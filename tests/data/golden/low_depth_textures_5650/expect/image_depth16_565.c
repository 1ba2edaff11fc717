// texture for the PSP's graphics engine
// width = 3, height = 2, format 5650, buffer width = 8, stored rows = 2
#include "image_depth16_565.h"

const unsigned short image_depth16_565[] __attribute__((aligned(16)))={
0xBE33,0x7467,0x2ABB,0x0000,0x0000,0x0000,0x0000,0x0000,
0xE0CF,0x9F02,0x5556,0x0000,0x0000,0x0000,0x0000,0x0000,
};

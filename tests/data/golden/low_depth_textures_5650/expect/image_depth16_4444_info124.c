// texture for the PSP's graphics engine
// width = 3, height = 2, format 5650, buffer width = 8, stored rows = 2
#include "image_depth16_4444_info124.h"

const unsigned short image_depth16_4444_info124[] __attribute__((aligned(16)))={
0x71BD,0xEB39,0x5555,0x0000,0x0000,0x0000,0x0000,0x0000,
0xCED0,0x308E,0xAA2A,0x0000,0x0000,0x0000,0x0000,0x0000,
};

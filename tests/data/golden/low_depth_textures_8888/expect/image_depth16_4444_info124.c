// texture for the PSP's graphics engine
// width = 3, height = 2, format 8888, buffer width = 4, stored rows = 2
#include "image_depth16_4444_info124.h"

const unsigned int image_depth16_4444_info124[] __attribute__((aligned(16)))={
0x997733EE,0x33EE66CC,0xDD55AAAA,0x00000000,
0x77CCDD88,0x11331177,0xBBAA4455,0x00000000,
};

// texture for the PSP's graphics engine
// width = 3, height = 2, format 8888, buffer width = 4, stored rows = 2
#include "image_depth16_x4444.h"

const unsigned int image_depth16_x4444[] __attribute__((aligned(16)))={
0xFF7733EE,0xFFEE66CC,0xFF55AAAA,0x00000000,
0xFFCCDD88,0xFF331177,0xFFAA4455,0x00000000,
};

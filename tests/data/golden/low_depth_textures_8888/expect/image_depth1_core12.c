// texture for the PSP's graphics engine
// width = 9, height = 2, format 8888, buffer width = 12, stored rows = 2
#include "image_depth1_core12.h"

const unsigned int image_depth1_core12[] __attribute__((aligned(16)))={
0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0x00000000,0x00000000,0x00000000,
0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0xFF00FF00,0xFF25DA01,0x00000000,0x00000000,0x00000000,
};

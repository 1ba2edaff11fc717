// texture for the PSP's graphics engine
// width = 5, height = 3, format 8888, buffer width = 8, stored rows = 3
#include "image_depth4_topdown_6_colours.h"

const unsigned int image_depth4_topdown_6_colours[] __attribute__((aligned(16)))={
0xFF00FF00,0xFF25DA01,0xFF4AB502,0xFF6F9003,0xFF946B04,0x00000000,0x00000000,0x00000000,
0xFF4AB502,0xFF6F9003,0xFF946B04,0xFFB94605,0xFF00FF00,0x00000000,0x00000000,0x00000000,
0xFF946B04,0xFFB94605,0xFF00FF00,0xFF25DA01,0xFF4AB502,0x00000000,0x00000000,0x00000000,
};

// texture for the PSP's graphics engine
// width = 5, height = 3, format 8888, buffer width = 8, stored rows = 3
#include "image_depth4_info40.h"

const unsigned int image_depth4_info40[] __attribute__((aligned(16)))={
0xFF00FF00,0xFF03FC07,0xFF06F90E,0xFFB94605,0xFFBC430C,0x00000000,0x00000000,0x00000000,
0xFF6F9003,0xFF728D0A,0xFF25DA01,0xFF28D708,0xFF2BD40F,0x00000000,0x00000000,0x00000000,
0xFFDE2106,0xFFE11E0D,0xFF946B04,0xFF97680B,0xFF4AB502,0x00000000,0x00000000,0x00000000,
};

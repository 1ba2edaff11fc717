// texture for the PSP's graphics engine
// width = 4, height = 4, format 8888, buffer width = 4, stored rows = 4
#include "image_depth4_rle4.h"

const unsigned int image_depth4_rle4[] __attribute__((aligned(16)))={
0xFFE11E0D,0xFF06F90E,0xFF2BD40F,0xFF00FF00,
0xFF00FF00,0xFF728D0A,0xFF97680B,0xFF728D0A,
0xFF6F9003,0xFF946B04,0xFFB94605,0xFFDE2106,
0xFF25DA01,0xFF4AB502,0xFF25DA01,0xFF4AB502,
};

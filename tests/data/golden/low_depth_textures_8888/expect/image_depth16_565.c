// texture for the PSP's graphics engine
// width = 3, height = 2, format 8888, buffer width = 4, stored rows = 2
#include "image_depth16_565.h"

const unsigned int image_depth16_565[] __attribute__((aligned(16)))={
0xFFBDC79C,0xFF738E39,0xFF2955DE,0x00000000,
0xFFE7187B,0xFF9CE310,0xFF52AAB5,0x00000000,
};

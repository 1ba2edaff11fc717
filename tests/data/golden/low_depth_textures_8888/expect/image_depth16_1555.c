// texture for the PSP's graphics engine
// width = 3, height = 2, format 8888, buffer width = 4, stored rows = 2
#include "image_depth16_1555.h"

const unsigned int image_depth16_1555[] __attribute__((aligned(16)))={
0xFFBD8C39,0x0073187B,0xFF29ADB5,0x00000000,
0x00E731F7,0x009CC629,0xFF52526B,0x00000000,
};

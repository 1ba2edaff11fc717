// texture for the PSP's graphics engine
// width = 2, height = 1, format 5650, buffer width = 8, stored rows = 1
#include "Zz.h"

const unsigned short Zz[] __attribute__((aligned(16)))={
0x001F,0xFFFF,0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,
};

// texture for the PSP's graphics engine
// width = 2, height = 1, format 8888, buffer width = 4, stored rows = 1
#include "image_pic.h"

unsigned int ship[] __attribute__((aligned(16)))={
0x800000FF,0xFFFFFFFF,0x00000000,0x00000000,
};

// colour table for the PSP's graphics engine, shared by textures
#include "tiles.h"

// colour table: format 8888, entries = 16
const unsigned int tiles[] __attribute__((aligned(16)))={
0x00000000,0xFFDD2B15,0xFFCF1B53,0xFF1614E6,0xFFB01AA1,0xFF8635D2,0xFFD36824,0xFFA86284,
0xFF25728D,0xFFC6AB1E,0xFFA59C67,0xFD7594CA,0xBBB3C836,0xFF2DE51A,0xBA75C7AF,0x628AE574,
};

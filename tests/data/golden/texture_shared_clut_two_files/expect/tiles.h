// colour table for the PSP's graphics engine, shared by textures
#ifndef TILES_H
#define TILES_H

#define TILES_CLUT_PSM 3
#define TILES_CLUT_ENTRIES 16
#define TILES_CLUT_COLORS 16
#define TILES_CLUT_BLOCKS 2
#define TILES_CLUT_BYTES 64

/* Loading it:
 *   sceGuClutMode(TILES_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(TILES_CLUT_BLOCKS, tiles);
 */

extern const unsigned int tiles[16] __attribute__((aligned(16)));

#endif

// colour table for the PSP's graphics engine, shared by textures
#ifndef PAL_H
#define PAL_H

#define PAL_CLUT_PSM 3
#define PAL_CLUT_ENTRIES 32
#define PAL_CLUT_COLORS 32
#define PAL_CLUT_BLOCKS 4
#define PAL_CLUT_BYTES 128

/* Loading it:
 *   sceGuClutMode(PAL_CLUT_PSM, 0, 0xFF, 0);
 *   sceGuClutLoad(PAL_CLUT_BLOCKS, pal);
 */

extern const unsigned int pal[32] __attribute__((aligned(16)));

#endif

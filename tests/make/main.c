/* The Makefile test's program: draws the textures of the Makefile in docs/cmake.md through stand-in sceGu calls. */
#include <stddef.h>
#include <stdint.h>

#include <pspgu.h>

#include "image_rock.h"
#include "image_ship.h"

/* The stand-ins accept what the GE would: 16-byte aligned data, formats it has. */
static int s_nFaults;

void sceGuClutMode(unsigned int cpsm, unsigned int shift, unsigned int mask, unsigned int reserved)
{
    s_nFaults += cpsm > 3 || shift != 0 || mask != 0xFF || reserved != 0;
}

void sceGuClutLoad(int nBlocks, const void* pClut)
{
    s_nFaults += nBlocks <= 0 || (uintptr_t)pClut % 16 != 0;
}

void sceGuTexMode(int tpsm, int maxmips, int reserved, int swizzle)
{
    s_nFaults += tpsm < 0 || tpsm > 5 || maxmips != 0 || reserved != 0 || (swizzle != 0 && swizzle != 1);
}

void sceGuTexImage(int mipmap, int width, int height, int tbw, const void* pTexels)
{
    s_nFaults += mipmap != 0 || width > 512 || height > 512 || tbw < width || (uintptr_t)pTexels % 16 != 0;
}

int main(void)
{
    sceGuTexMode(IMAGE_SHIP_PSM, 0, 0, IMAGE_SHIP_SWIZZLED);
    sceGuTexImage(0, IMAGE_SHIP_TEXTURE_WIDTH, IMAGE_SHIP_TEXTURE_HEIGHT, IMAGE_SHIP_BUFFER_WIDTH, image_ship);
    sceGuTexMode(IMAGE_ROCK_PSM, 0, 0, IMAGE_ROCK_SWIZZLED);
    sceGuTexImage(0, IMAGE_ROCK_TEXTURE_WIDTH, IMAGE_ROCK_TEXTURE_HEIGHT, IMAGE_ROCK_BUFFER_WIDTH, image_rock);
    s_nFaults += IMAGE_SHIP_PSM != 1 || IMAGE_SHIP_SWIZZLED != 1 || IMAGE_SHIP_WIDTH != 5 || IMAGE_SHIP_HEIGHT != 3;
    s_nFaults += IMAGE_ROCK_PSM != 1 || IMAGE_ROCK_STORED_HEIGHT % 8 != 0;
    s_nFaults += sizeof(image_ship) != IMAGE_SHIP_BYTES || sizeof(image_rock) != IMAGE_ROCK_BYTES;
    return s_nFaults;
}

/* Links the generated textures and checks what a PSP program would rely on. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "hud.h"
#include "image_sprite.h"
#include "image_sprite_4444.h"
#include "tiles16.h"
#include "tiles_t8.h"
#include "image_sprite_shared.h"
#include "image_tiles16_shared.h"

/* 1 unless the file holds exactly the nBytes at pData: a BINARY output is the array as stored. */
static int DiffersFromFile(const char* pszPath, const void* pData, size_t nBytes)
{
    static unsigned char buffer[4096];
    FILE* pFile = fopen(pszPath, "rb");
    size_t nRead;
    if (!pFile)
        return 1;
    nRead = fread(buffer, 1, sizeof buffer, pFile);
    fclose(pFile);
    return nRead != nBytes || memcmp(buffer, pData, nBytes) != 0;
}

int main(void)
{
    int nFaults = 0;
    nFaults += IMAGE_SPRITE_PSM != 1 || IMAGE_SPRITE_SWIZZLED != 1 || IMAGE_SPRITE_TEXTURE_WIDTH != 8;
    nFaults += image_sprite[IMAGE_SPRITE_BUFFER_WIDTH * 8 - 1] != 0; /* padding, last stored texel */
    nFaults += image_sprite[0] != 0; /* the key colour is transparent black */
    nFaults += IMAGE_SPRITE_4444_PSM != 2 || IMAGE_SPRITE_4444_SWIZZLED != 0 || image_sprite_4444[0] == 0;
    nFaults += TILES16_PSM != 4 || TILES16_CLUT_PSM != 2 || TILES16_CLUT_ENTRIES != TILES16_CLUT_BLOCKS * 16;
    nFaults += tiles16_clut[TILES16_CLUT_ENTRIES - 1] != 0; /* 12 colours padded to 16 entries */
    nFaults += TILES_T8_PSM != 5 || TILES_T8_CLUT_PSM != 1;
    nFaults += ((uintptr_t)image_sprite | (uintptr_t)tiles16 | (uintptr_t)tiles16_clut) % 16 != 0;
    nFaults += DiffersFromFile(SPRITE_4444_BIN, image_sprite_4444, IMAGE_SPRITE_4444_BYTES);
    nFaults += DiffersFromFile(TILES_T8_BIN, tiles_t8, TILES_T8_BYTES);
    nFaults += DiffersFromFile(TILES_T8_CLUT_BIN, tiles_t8_clut, TILES_T8_CLUT_BYTES);
    nFaults += sizeof(tiles_t8_clut) != TILES_T8_CLUT_BYTES || sizeof(image_sprite_4444) != IMAGE_SPRITE_4444_BYTES;
    /* The atlas: one 16 x 16 page, rows in the order of the file names, inside the page with its padding. */
    nFaults += HUD_PAGES != 1 || HUD_PSM != 4 || HUD_TEXTURE_WIDTH != 16 || HUD_SPRITES != 2 || sizeof(hud) != HUD_BYTES;
    nFaults += hud_sprite_table[hud_sprite].source_w != 5 || hud_sprite_table[hud_tiles16].source_h != 3;
    nFaults += hud_sprite_table[hud_sprite].x < 2 || hud_sprite_table[hud_tiles16].x + hud_sprite_table[hud_tiles16].w > 14;
    nFaults += sizeof(hud_clut) != HUD_CLUT_BYTES || fopen(HUD_JSON, "rb") == NULL;
    /* One colour table for both, its macros through each texture's. */
    nFaults += IMAGE_SPRITE_SHARED_CLUT_BYTES != SHARED_PAL_CLUT_BYTES || IMAGE_TILES16_SHARED_CLUT_COLORS > 8;
    nFaults += IMAGE_TILES16_SHARED_PSM != 4 || sizeof(shared_pal) != SHARED_PAL_CLUT_BYTES;
    nFaults += DiffersFromFile(SHARED_PAL_BIN, shared_pal, SHARED_PAL_CLUT_BYTES);
    return nFaults;
}

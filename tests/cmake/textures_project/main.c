/* Links the generated textures and checks what a PSP program would rely on. */
#include <stdint.h>

#include "image_sprite.h"
#include "tiles16.h"

int main(void)
{
    int nFaults = 0;
    nFaults += IMAGE_SPRITE_PSM != 1 || IMAGE_SPRITE_SWIZZLED != 1 || IMAGE_SPRITE_TEXTURE_WIDTH != 8;
    nFaults += image_sprite[IMAGE_SPRITE_BUFFER_WIDTH * 8 - 1] != 0; /* padding, last stored texel */
    nFaults += image_sprite[0] != 0; /* the key colour is transparent black */
    nFaults += TILES16_PSM != 4 || TILES16_CLUT_PSM != 2 || TILES16_CLUT_ENTRIES != TILES16_CLUT_BLOCKS * 16;
    nFaults += tiles16_clut[TILES16_CLUT_ENTRIES - 1] != 0; /* 12 colours padded to 16 entries */
    nFaults += ((uintptr_t)image_sprite | (uintptr_t)tiles16 | (uintptr_t)tiles16_clut) % 16 != 0;
    return nFaults;
}

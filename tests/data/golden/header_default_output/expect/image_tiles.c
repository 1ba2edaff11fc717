// bitmap image for PSP
// Indexed Palette: colors = 2
const unsigned short image_tiles_palette[]={
0x0000,0x7FFF,
};


// Indexed: width = 2, height = 2
const unsigned char image_tiles[]={
0x00,0x01,
0x01,0x00,
};

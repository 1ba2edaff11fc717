// bitmap image for PSP
// Indexed Palette: colors = 1
const unsigned short image_core_1_palette[]={
0x03E0,
};


// Indexed: width = 3, height = 2
const unsigned char image_core_1[]={
0x00,0x00,0x00,
0x00,0x00,0x00,
};

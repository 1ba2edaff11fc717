// bitmap image for PSP
// Indexed Palette: colors = 2
const unsigned short image_core_2_palette[]={
0x03E0,0x03E0,
};


// Indexed: width = 3, height = 2
const unsigned char image_core_2[]={
0x00,0x01,0x00,
0x00,0x01,0x00,
};

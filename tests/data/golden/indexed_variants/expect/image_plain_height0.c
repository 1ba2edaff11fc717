// bitmap image for PSP
// Indexed Palette: colors = 2
const unsigned short image_plain_height0_palette[]={
0x03E0,0x1360,
};


// Indexed: width = 3, height = 0
const unsigned char image_plain_height0[]={
};

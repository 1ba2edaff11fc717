// bitmap image for PSP
// Indexed Palette: colors = 2
unsigned short flat_palette[]={
0x03E0,0x1360,
};


// Indexed: width = 4, height = 0
unsigned char flat[]={
};

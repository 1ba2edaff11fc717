// bitmap image for PSP
// Indexed Palette: colors = 2
unsigned short noext_palette[]={
0x03E0,0x1360,
};


// Indexed: width = 1, height = 3
unsigned char noext[]={
0x00,
0x01,
0x00,
};

// bitmap image for PSP
// Indexed Palette: colors = 3
unsigned short _2d_palette[]={
0x03E0,0x1360,0x26C0,
};


// Indexed: width = 3, height = 1
unsigned char _2d[]={
0x00,0x01,0x02,
};

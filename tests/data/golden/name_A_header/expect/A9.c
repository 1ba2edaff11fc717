// bitmap image for PSP
// width = 2, height = 1
const unsigned short A9[]={
0x001F,0x7FFF,
};


const unsigned char A9_alpha[]={
0x80,0xFF,
};

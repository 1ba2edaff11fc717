// bitmap image for PSP
// width = 2, height = 1
const unsigned short z_[]={
0x001F,0x7FFF,
};


const unsigned char z__alpha[]={
0x80,0xFF,
};

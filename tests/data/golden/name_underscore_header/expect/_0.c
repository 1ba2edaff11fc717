// bitmap image for PSP
// width = 2, height = 1
const unsigned short _0[]={
0x001F,0x7FFF,
};


const unsigned char _0_alpha[]={
0x80,0xFF,
};

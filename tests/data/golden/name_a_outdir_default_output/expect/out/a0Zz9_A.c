// bitmap image for PSP
// width = 2, height = 1
const unsigned short a0Zz9_A[]={
0x001F,0x7FFF,
};


const unsigned char a0Zz9_A_alpha[]={
0x80,0xFF,
};

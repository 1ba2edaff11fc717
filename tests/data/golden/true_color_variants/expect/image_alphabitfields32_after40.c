// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_alphabitfields32_after40[]={
0x7E02,0x7E08,0x7E0E,
0x7E82,0x7E88,0x7E8E,
};


const unsigned char image_alphabitfields32_after40_alpha[]={
0x00,0x40,0x80,
0x40,0x80,0xC0,
};

// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_bitfields32_565_after40[]={
0x4010,0x0030,0x4030,
0x4014,0x0034,0x4034,
};


const unsigned char image_bitfields32_565_after40_alpha[]={
0x00,0x40,0x80,
0x40,0x80,0xC0,
};

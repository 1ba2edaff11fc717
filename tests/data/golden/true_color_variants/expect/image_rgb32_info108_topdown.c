// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_rgb32_info108_topdown[]={
0x0A1F,0x221F,0x3A1F,
0x0A9F,0x229F,0x3A9F,
};


const unsigned char image_rgb32_info108_topdown_alpha[]={
0x00,0x40,0x80,
0x40,0x80,0xC0,
};

// bitmap image for PSP
// width = 2, height = 1
unsigned short image__pic[]={
0x001F,0x7FFF,
};


unsigned char image__pic_alpha[]={
0x80,0xFF,
};

// bitmap image for PSP
// width = 2, height = 1
const unsigned short image_pic_last[]={
0x001F,0x7FFF,
};


const unsigned char image_pic_last_alpha[]={
0x80,0xFF,
};

// bitmap image for PSP
// width = 2, height = 2
const unsigned short image_rgb_fourth_one_set[]={
0x011E,0x091E,
0x011E,0x091E,
};


const unsigned char image_rgb_fourth_one_set_alpha[]={
0x00,0x00,
0x00,0x2A,
};

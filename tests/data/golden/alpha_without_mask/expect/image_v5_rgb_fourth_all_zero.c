// bitmap image for PSP
// width = 2, height = 2
const unsigned short image_v5_rgb_fourth_all_zero[]={
0x011E,0x091E,
0x011E,0x091E,
};


const unsigned char image_v5_rgb_fourth_all_zero_alpha[]={
0xFF,0xFF,
0xFF,0xFF,
};

// bitmap image for PSP
// width = 2, height = 2
const unsigned short image_bitfields_alpha_mask_zero[]={
0x011E,0x091E,
0x011E,0x091E,
};


const unsigned char image_bitfields_alpha_mask_zero_alpha[]={
0x00,0x00,
0x00,0x00,
};

// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_bitfields32_10bit_info56[]={
0x0220,0x0A20,0x0E20,
0x0220,0x0A20,0x0E20,
};


const unsigned char image_bitfields32_10bit_info56_alpha[]={
0x00,0x55,0xAA,
0x55,0xAA,0xFF,
};

// bitmap image for PSP
// Indexed Palette: colors = 2
const unsigned short image_core_2_and_a_bit_palette[]={
0x0443,0x6586,
};


// Indexed: width = 3, height = 2
const unsigned char image_core_2_and_a_bit[]={
0x00,0x01,0x00,
0x01,0x00,0x01,
};

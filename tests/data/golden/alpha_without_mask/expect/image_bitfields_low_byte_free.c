// bitmap image for PSP
// width = 2, height = 2
const unsigned short image_bitfields_low_byte_free[]={
0x0886,0x0886,
0x0886,0x0886,
};


const unsigned char image_bitfields_low_byte_free_alpha[]={
0x01,0x41,
0x01,0x41,
};

// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_rgb24_info124[]={
0x0A1F,0x221F,0x3A1F,
0x0A9F,0x229F,0x3A9F,
};

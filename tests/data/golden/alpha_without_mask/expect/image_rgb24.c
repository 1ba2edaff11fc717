// bitmap image for PSP
// width = 2, height = 2
const unsigned short image_rgb24[]={
0x011E,0x091E,
0x011E,0x091E,
};

// bitmap image for PSP
// width = 1, height = 1
unsigned short my_logo_2[]={
0x001F,
};


unsigned char my_logo_2_alpha[]={
0x7F,
};

// bitmap image for PSP
// width = 2, height = 2
unsigned short w2[]={
0x0A1F,0x221C,
0x0A9F,0x229C,
};

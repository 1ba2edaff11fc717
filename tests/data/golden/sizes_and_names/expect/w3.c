// bitmap image for PSP
// width = 3, height = 2
unsigned short w3[]={
0x0A1F,0x221C,0x3A1A,
0x0A9F,0x229C,0x3A9A,
};

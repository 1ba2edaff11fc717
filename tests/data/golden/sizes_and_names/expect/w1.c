// bitmap image for PSP
// width = 1, height = 2
unsigned short w1[]={
0x0A1F,
0x0A9F,
};

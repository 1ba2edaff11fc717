// bitmap image for PSP
// width = 2, height = 1
unsigned short _[]={
0x0A1F,0x221C,
};

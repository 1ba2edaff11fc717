// bitmap image for PSP
// width = 1, height = 1
unsigned short _9lives[]={
0x0A1F,
};

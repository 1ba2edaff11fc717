// bitmap image for PSP
// width = 3, height = 2
const unsigned short image_private_chunk[]={
0x6400,0x6005,0x600A,
0x6560,0x6165,0x616A,
};

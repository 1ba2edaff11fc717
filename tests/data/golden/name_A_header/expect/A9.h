// bitmap image for PSP
#ifndef A9_H
#define A9_H

#define A9_WIDTH 2
#define A9_HEIGHT 1
#define A9_STORED_HEIGHT 1
#define A9_BYTES 4
#define A9_ALPHA_BYTES 2

extern const unsigned short A9[2];
extern const unsigned char A9_alpha[2];

#endif

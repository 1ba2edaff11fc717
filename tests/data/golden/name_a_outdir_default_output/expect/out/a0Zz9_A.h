// bitmap image for PSP
#ifndef A0ZZ9_A_H
#define A0ZZ9_A_H

#define A0ZZ9_A_WIDTH 2
#define A0ZZ9_A_HEIGHT 1
#define A0ZZ9_A_STORED_HEIGHT 1
#define A0ZZ9_A_BYTES 4
#define A0ZZ9_A_ALPHA_BYTES 2

extern const unsigned short a0Zz9_A[2];
extern const unsigned char a0Zz9_A_alpha[2];

#endif

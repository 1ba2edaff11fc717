// bitmap image for PSP
#ifndef A0ZZ9_A_H
#define A0ZZ9_A_H

#define A0ZZ9_A_WIDTH 2
#define A0ZZ9_A_HEIGHT 1

extern const unsigned short a0Zz9_A[];
extern const unsigned char a0Zz9_A_alpha[];

#endif

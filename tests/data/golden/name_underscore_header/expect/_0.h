// bitmap image for PSP
#ifndef _0_H
#define _0_H

#define _0_WIDTH 2
#define _0_HEIGHT 1
#define _0_STORED_HEIGHT 1
#define _0_BYTES 4
#define _0_ALPHA_BYTES 2

extern const unsigned short _0[2];
extern const unsigned char _0_alpha[2];

#endif

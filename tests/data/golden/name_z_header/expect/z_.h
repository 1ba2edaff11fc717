// bitmap image for PSP
#ifndef Z__H
#define Z__H

#define Z__WIDTH 2
#define Z__HEIGHT 1
#define Z__STORED_HEIGHT 1
#define Z__BYTES 4
#define Z__ALPHA_BYTES 2

extern const unsigned short z_[2];
extern const unsigned char z__alpha[2];

#endif

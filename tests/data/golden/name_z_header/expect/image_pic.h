// bitmap image for PSP
#ifndef Z__H
#define Z__H

#define Z__WIDTH 2
#define Z__HEIGHT 1

extern const unsigned short z_[];
extern const unsigned char z__alpha[];

#endif

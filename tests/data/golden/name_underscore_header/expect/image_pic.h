// bitmap image for PSP
#ifndef _0_H
#define _0_H

#define _0_WIDTH 2
#define _0_HEIGHT 1

extern const unsigned short _0[];
extern const unsigned char _0_alpha[];

#endif

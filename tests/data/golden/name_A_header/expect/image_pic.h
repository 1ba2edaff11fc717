// bitmap image for PSP
#ifndef A9_H
#define A9_H

#define A9_WIDTH 2
#define A9_HEIGHT 1

extern const unsigned short A9[];
extern const unsigned char A9_alpha[];

#endif

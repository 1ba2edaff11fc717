/* Stand-in for the SDK's GE declarations the Makefile test's program calls (our own, not the SDK's). */
void sceGuClutMode(unsigned int cpsm, unsigned int shift, unsigned int mask, unsigned int reserved);
void sceGuClutLoad(int nBlocks, const void* pClut);
void sceGuTexMode(int tpsm, int maxmips, int reserved, int swizzle);
void sceGuTexImage(int mipmap, int width, int height, int tbw, const void* pTexels);

// stb_rect_pack's implementation, compiled once here. Its qsort would order
// rectangles of one size differently in each C library, and so place them
// differently on Linux and Windows; a stable sort keeps the order we give.
#include <stb_rect_pack.h>

#include <algorithm>
#include <cstddef>

namespace {

void StableSortRects(stbrp_rect* pRects, int nCount, std::size_t, int (*pfnCompare)(const void*, const void*))
{
    std::stable_sort(pRects, pRects + nCount,
                     [pfnCompare](const stbrp_rect& a, const stbrp_rect& b) { return pfnCompare(&a, &b) < 0; });
}

}  // namespace

#define STBRP_SORT(pBase, nCount, nSize, pfnCompare) StableSortRects(pBase, nCount, nSize, pfnCompare)
#define STB_RECT_PACK_IMPLEMENTATION
#include <stb_rect_pack.h>

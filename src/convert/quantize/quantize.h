// Quantize: a palette of at most N entries for the colours a histogram
// counted, judged as the GE shows them through the histogram's CLUT format.
//
//   CColorHistogram histogram(rule);        // once per shared palette
//   histogram.Add(view);                    // every image that shares it
//   Quantize(histogram, options, &palette);
//   Remap(view, palette, bDither, ...);     // per image, in remap.h
#pragma once

#include "convert/quantize/color_histogram.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

struct QuantizeOptions {
    int nMaxColors = 256;       // entries in all, transparent one included: 2-256
    int nTransparentIndex = 0;  // where the transparent entry goes: below nMaxColors
};

// Entries are CLUT colours widened to 8 bits, as the GE shows them. When some
// pixel is transparent, entry nTransparentIndex is transparent black and the
// others are never transparent; entries between the colours and a
// transparent index past them are transparent black too, and unused. The
// colours are in ascending order of luma (2126 R + 7152 G + 722 B), then
// alpha, then the Pack()ed value, skipping the transparent index.
struct Palette {
    ClutRule rule;
    Rgba8 entries[256] = {};
    int nCount = 0;              // entries in use
    int nTransparentIndex = -1;  // -1: no transparent entry
};

// An image with at most N distinct colours after rounding (all transparent
// pixels counting as one) keeps them exactly. Otherwise the histogram is cut
// into 1024 boxes by variance-minimising cuts, the boxes are merged down to N
// by Ward's criterion and the result is refined by Lloyd passes, all in
// integers, with every tie broken by index or colour: the same histogram
// gives the same palette on every platform, whatever order its images were
// added in.
QuantizeStatus Quantize(const CColorHistogram& histogram, const QuantizeOptions& options, Palette* pPalette);

}  // namespace zandrel::quantize

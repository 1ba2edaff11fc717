// The decoded image: one value of explicit shape (a palette image or a
// true-colour image) that every reader fills and every writer takes, and the
// one size rule both shapes meet.
//
//   PaletteColor, IndexedImage, TrueColorImage, ImageShape, DecodedImage
//   SamePalette, CheckImageSize
#pragma once

#include <cstdint>

#include "convert/large_buffer.h"
#include "convert/report.h"

namespace zandrel {

// One palette entry as the file gives it; alpha is 255 where the file has
// none (every bitmap palette).
struct PaletteColor {
    std::uint8_t nRed = 0, nGreen = 0, nBlue = 0, nAlpha = 255;
};

// A palette image: colours and one index byte a pixel. An index past the
// colour count is kept as the file gives it.
struct IndexedImage {
    PaletteColor colors[256] = {};
    int nColorCount = 0;
    int nWidth = 0;
    int nHeight = 0;      // may be 0: no rows
    LargeBuffer indices;  // nWidth * nHeight bytes, top row first
};

// A true-colour image: four bytes a pixel (blue, green, red, alpha), rows top
// first and back to back, so pixel i of the run is row i / nWidth.
struct TrueColorImage {
    int nWidth = 0;
    int nHeight = 0;
    // A 32-bit input: the default output writes the fourth bytes as its alpha
    // array. Without it the image came from 24 bits and every fourth byte is 0xFF.
    bool bAlpha = false;
    LargeBuffer pixels;  // 4 * nWidth * nHeight bytes

    // Uninitialised pixels for a size that passed CheckImageSize; false, and
    // nothing held, when the memory cannot be had.
    bool Allocate(int nWidth, int nHeight, bool bAlpha);
    void Release();
};

enum class ImageShape { kNone, kIndexed, kTrueColor };

struct DecodedImage {
    ImageShape eShape = ImageShape::kNone;
    IndexedImage indexed;      // when eShape is kIndexed
    TrueColorImage trueColor;  // when eShape is kTrueColor

    int Width() const { return eShape == ImageShape::kIndexed ? indexed.nWidth : trueColor.nWidth; }
    int Height() const { return eShape == ImageShape::kIndexed ? indexed.nHeight : trueColor.nHeight; }
};

// Whether two palette images have the same colours (their first nColorCount
// entries, alpha included).
bool SamePalette(const IndexedImage& a, const IndexedImage& b);

// The size rule of decoded images, settled before anything is allocated: the
// default output counts its arrays in 32-bit signed integers, so a palette
// image holds at most 2^31 - 1 pixels, and a true-colour image at most
// 2^31 - 1 bytes of words and alpha (3 a pixel) in rows of at most 2^31 - 1
// bytes (4 a pixel). kTooLarge past that, kNone otherwise.
Refusal CheckImageSize(ImageShape eShape, std::uint64_t nWidth, std::uint64_t nHeight);

}  // namespace zandrel

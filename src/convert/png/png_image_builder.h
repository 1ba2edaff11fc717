// PngImageBuilder: turns decoded PNG rows into a DecodedImage, the same
// shapes a bitmap gives: a palette image's indices, or a true-colour image
// opaque (as from 24 bits) or with alpha (as from 32).
#pragma once

#include <cstdint>

#include "convert/image.h"
#include "convert/png/png_chunks.h"
#include "convert/png/png_decoder.h"

namespace zandrel {

class PngImageBuilder {
public:
    // Allocates the image for the validated header.
    Refusal Begin(const PngHeader& header, DecodedImage* pImage);
    // False when the decoder's layout cannot carry this image.
    bool SetLayout(const PngPixelLayout& layout);
    // Takes pixels nX0, nX0 + nStepX, ... of row nY from a whole-width row.
    void TakeRow(std::uint32_t nY, std::uint32_t nX0, std::uint32_t nStepX, const std::uint8_t* pRow);

private:
    void TakeIndices(std::uint8_t* pOut, std::uint32_t nX0, std::uint32_t nStepX, const std::uint8_t* pRow) const;
    void TakeColors(std::uint8_t* pOut, std::uint32_t nX0, std::uint32_t nStepX, const std::uint8_t* pRow) const;

    const PngHeader* m_pHeader = nullptr;
    DecodedImage* m_pImage = nullptr;
    PngPixelLayout m_layout;
    bool m_bApplyKey = false;
    bool m_bOutputAlpha = false;
};

}  // namespace zandrel

// Ward's agglomerative merging: clusters of colours joined two at a time,
// always the pair whose union adds the least squared error, until as many
// remain as the palette has room for. Near the best a greedy choice can do,
// and cheap on the few thousand boxes the variance cuts leave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/quantize/color_space.h"
#include "convert/quantize/quantize_basics.h"

namespace zandrel::quantize {

// *pClusters: the clusters in (each nWeight > 0, at most 65536), the merged
// ones out, at most nTarget. (*pMergedInto)[i]: the output cluster that input
// cluster i became part of.
QuantizeStatus MergeClusters(std::vector<Moments>* pClusters, std::size_t nTarget,
                             std::vector<std::uint16_t>* pMergedInto);

}  // namespace zandrel::quantize

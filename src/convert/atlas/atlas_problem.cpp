// DescribeAtlasProblem: the refusal sentences, sizes written as W x H.
#include "convert/atlas/atlas_problem.h"

namespace zandrel {
namespace {

std::string Size(int nWidth, int nHeight)
{
    return std::to_string(nWidth) + "x" + std::to_string(nHeight);
}

}  // namespace

std::string DescribeAtlasProblem(const AtlasProblem& problem)
{
    const std::string& name = problem.strSprite;
    switch (problem.eRefusal) {
    case AtlasRefusal::kNone:
        return "no problem";
    case AtlasRefusal::kBadPageSize:
        return "the page size must be a power of two from 1 to 512 in each direction";
    case AtlasRefusal::kBadOption:
        return "padding and extrusion must be 0 to 512, the alignment 1 or 4";
    case AtlasRefusal::kNoSprites:
        return "there is no sprite to pack";
    case AtlasRefusal::kTooManySprites:
    {
        // Appended to one string: GCC 12 for i686 warns (-Wrestrict) on "literal" + a temporary string.
        std::string text = name.empty() ? std::string("more than ") : "sheet " + name + " has more than ";
        text += std::to_string(kMaxAtlasSprites);
        text += name.empty() ? " sprites" : " tiles";
        return text;
    }
    case AtlasRefusal::kEmptySprite:
        return "sprite " + name + " has no texels";
    case AtlasRefusal::kDuplicateName:
        return "two sprites are named " + name;
    case AtlasRefusal::kSpriteTooLarge:
        return "sprite " + name + " is " + Size(problem.nWidth, problem.nHeight) + " texels (" +
               Size(problem.nNeedWidth, problem.nNeedHeight) + " with padding and extrusion), larger than the " +
               Size(problem.nLimitWidth, problem.nLimitHeight) + " page";
    case AtlasRefusal::kBadTileSize:
        return "the tile size must be at least 1x1";
    case AtlasRefusal::kSheetNotWholeTiles:
        return "sheet " + name + " is " + Size(problem.nWidth, problem.nHeight) + " texels, not a whole number of " +
               Size(problem.nLimitWidth, problem.nLimitHeight) + " tiles";
    }
    return "unknown problem";
}

}  // namespace zandrel

// The signatures of the formats we name when refusing them.
#include "convert/foreign_format.h"

#include <string_view>

namespace zandrel {
namespace {

struct ForeignSignature {
    std::string_view bytes;  // '?' matches any byte
    Refusal eRefusal;
};

using namespace std::string_view_literals;

constexpr ForeignSignature kSignatures[] = {
    {"\xFF\xD8\xFF"sv, Refusal::kJpegFile},
    {"GIF87a"sv, Refusal::kGifFile},
    {"GIF89a"sv, Refusal::kGifFile},
    {"RIFF????WEBP"sv, Refusal::kWebpFile},
    {"II*\0"sv, Refusal::kTiffFile},
    {"MM\0*"sv, Refusal::kTiffFile},
    {"DDS "sv, Refusal::kDdsFile},
};

bool Matches(std::string_view signature, const std::uint8_t* pHead, std::size_t nHead)
{
    if (nHead < signature.size())
        return false;
    for (std::size_t i = 0; i < signature.size(); ++i) {
        if (signature[i] != '?' && static_cast<std::uint8_t>(signature[i]) != pHead[i])
            return false;
    }
    return true;
}

}  // namespace

Refusal RecognizeForeignFormat(const std::uint8_t* pHead, std::size_t nHead)
{
    for (const ForeignSignature& signature : kSignatures) {
        if (Matches(signature.bytes, pHead, nHead))
            return signature.eRefusal;
    }
    return Refusal::kNone;
}

}  // namespace zandrel

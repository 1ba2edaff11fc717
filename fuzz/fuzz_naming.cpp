// Fuzzes the naming rule with arbitrary byte strings under code page 932.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "convert/output_names.h"
#include "framework/mbcs.h"

namespace {

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    // First byte picks the options; the rest is the path.
    const int bAddPrefix = pData[0] & 1;
    const zandrel::PathStyle style{(pData[0] & 2) ? '/' : '\\',
                                   (pData[0] & 4) ? zandrel::kSingleByteCodePage : zandrel::kCodePageShiftJis};
    const CString strPath(reinterpret_cast<const char*>(pData + 1), static_cast<int>(nSize - 1));

    const zandrel::OutputNames names = zandrel::DeriveOutputNames(strPath, bAddPrefix, style);
    const std::string& source = names.strSourcePath.Str();
    const std::string& binary = names.strBinaryPath.Str();
    const std::string& arrayName = names.strArrayName.Str();

    Check(EndsWith(source, ".c") && EndsWith(binary, ".bin"));
    const std::string stem = source.substr(0, source.size() - 2);
    Check(binary == stem + ".bin");
    Check(EndsWith(stem, arrayName));
    Check(!bAddPrefix || arrayName.rfind("image_", 0) == 0);
    // The folder part is the path's own folder, unchanged.
    const std::string folder = stem.substr(0, stem.size() - arrayName.size());
    Check(strPath.Str().compare(0, folder.size(), folder) == 0);
    // The array name holds no separator character of the path's code page.
    Check(CString(arrayName).ReverseFind(style.chSeparator, style.nCodePage) < 0);

    const std::string identifier = zandrel::MakeCIdentifier(names.strArrayName).Str();
    Check(!identifier.empty() && !(identifier[0] >= '0' && identifier[0] <= '9'));
    for (const char ch : identifier) {
        Check((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_');
    }
    return 0;
}

// Fuzzes the naming rule with arbitrary byte strings under code page 932.
#include <algorithm>

#include "convert/output/names.h"
#include "framework/mbcs.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {

int FuzzNaming(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    const int bAddPrefix = pData[0] & 1;  // the first byte picks the options, the rest is the path
    const PathStyle style{(pData[0] & 2) ? '/' : '\\', (pData[0] & 4) ? kSingleByteCodePage : kCodePageShiftJis};
    const CString strPath(reinterpret_cast<const char*>(pData + 1), static_cast<int>(nSize - 1));
    const OutputNames names = DeriveOutputNames(strPath, bAddPrefix, style);
    const std::string& source = names.strSourcePath.Str();
    const std::string& arrayName = names.strArrayName.Str();

    // <folder><prefix><base>.c and .bin: the path's folder, cut at a whole separator.
    const std::string stem = source.substr(0, source.size() - 2);
    const std::string folder = stem.substr(0, stem.size() - std::min(stem.size(), arrayName.size()));
    Check(source.ends_with(".c") && names.strBinaryPath.Str() == stem + ".bin" && stem.ends_with(arrayName) &&
              (!bAddPrefix || arrayName.starts_with("image_")) &&
              strPath.Left(strPath.ReverseFind(style.chSeparator, style.nCodePage) + 1).Str() == folder &&
              CString(stem).ReverseFind(style.chSeparator, style.nCodePage) == int(folder.size()) - 1,
          "the names are not <folder><prefix><base>.c and .bin");
    const std::string identifier = MakeCIdentifier(names.strArrayName).Str();
    Check(identifier.find_first_not_of("_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") ==
                  std::string::npos && identifier.find_first_of("0123456789") != 0 && !identifier.empty(),
          "the array name is no C identifier");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzNaming)

// Fuzzes the naming rule with arbitrary byte strings under code page 932.
#include "convert/output_names.h"
#include "framework/mbcs.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {

int FuzzNaming(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    // First byte picks the options; the rest is the path.
    const int bAddPrefix = pData[0] & 1;
    const PathStyle style{(pData[0] & 2) ? '/' : '\\', (pData[0] & 4) ? kSingleByteCodePage : kCodePageShiftJis};
    const CString strPath(reinterpret_cast<const char*>(pData + 1), static_cast<int>(nSize - 1));
    const OutputNames names = DeriveOutputNames(strPath, bAddPrefix, style);
    const std::string& source = names.strSourcePath.Str();
    const std::string& arrayName = names.strArrayName.Str();

    // <folder><prefix><base>.c and .bin, the folder the path's own.
    Check(source.size() >= 2 && source.ends_with(".c"), "source name does not end in .c");
    const std::string stem = source.substr(0, source.size() - 2);
    Check(names.strBinaryPath.Str() == stem + ".bin" && stem.ends_with(arrayName), "names differ in their stem");
    Check(!bAddPrefix || arrayName.starts_with("image_"), "prefix missing");
    const std::string folder = stem.substr(0, stem.size() - arrayName.size());
    Check(strPath.Str().starts_with(folder), "folder differs from the path's");
    // The folder ends in a separator that is a whole character, and no
    // separator is left in the name.
    Check(CString(folder + arrayName).ReverseFind(style.chSeparator, style.nCodePage) == int(folder.size()) - 1,
          "the folder is cut inside a character, or a separator is left in the name");

    const std::string identifier = MakeCIdentifier(names.strArrayName).Str();
    Check(!identifier.empty() && !(identifier[0] >= '0' && identifier[0] <= '9'), "identifier starts badly");
    for (const char ch : identifier) {
        Check((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_',
              "identifier holds a byte C does not take");
    }
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzNaming)

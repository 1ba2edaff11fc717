// Fuzzes the naming rule with arbitrary byte strings under code page 932.
#include <string>

#include "convert/output/names.h"
#include "framework/mbcs.h"
#include "fuzz_support.h"

namespace zandrel::fuzz {
namespace {

bool PlainIsIdentifier(const std::string& name)
{
    return !name.empty() && name.find_first_of("0123456789") != 0 &&
           name.find_first_not_of("_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") ==
               std::string::npos;
}

}  // namespace

int FuzzNaming(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    // The first byte picks the options, the rest is the path, or with bit 3
    // the output folder of the file x.bmp.
    const PathStyle style{(pData[0] & 2) ? '/' : '\\', (pData[0] & 4) ? kSingleByteCodePage : kCodePageShiftJis};
    const CString strBytes(reinterpret_cast<const char*>(pData + 1), static_cast<int>(nSize - 1));
    const bool bOutdir = pData[0] & 8;
    NamingOptions naming;
    naming.bAddPrefix = pData[0] & 1;
    naming.strOutdir = bOutdir ? strBytes : CString();
    const CString strPath = bOutdir ? CString("x.bmp") : strBytes;
    const OutputNames names = DeriveOutputNames(strPath, naming, style);

    // <folder><prefix><base>: the path's folder cut at a whole separator (or
    // the output folder ending in one), and a stem that holds none.
    const CString& outdir = naming.strOutdir;
    const bool bEndsInSeparator = outdir.ReverseFind(style.chSeparator, style.nCodePage) == outdir.GetLength() - 1;
    const CString strFolder = outdir.IsEmpty()
                                  ? strPath.Left(strPath.ReverseFind(style.chSeparator, style.nCodePage) + 1)
                                  : (bEndsInSeparator ? outdir : outdir + CString(&style.chSeparator, 1));
    Check(names.strFolder == strFolder && (!naming.bAddPrefix || names.strStem.Str().starts_with("image_")) &&
              names.strStem.ReverseFind(style.chSeparator, style.nCodePage) == -1,
          "the names are not <folder><prefix><base>");
    Check(PlainIsIdentifier(names.strArrayName.Str()) &&
              names.strArrayName.GetLength() - names.strStem.GetLength() <= 1,
          "the array name is no C identifier made from the stem");
    Check(IsCIdentifier(strBytes) == PlainIsIdentifier(strBytes.Str()), "the identifier check differs");
    return 0;
}

}  // namespace zandrel::fuzz

ZANDREL_FUZZ_ENTRY(FuzzNaming)

#include "cli/cli.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "convert/convert.h"
#include "convert/png/png_reader.h"
#include "zandrel_version.h"
#include "convert/texture/layout.h"
#include "convert/texture/texture_file.h"
#include "framework/file_system.h"

namespace zandrel {
namespace {

constexpr const char* kVersionText = "Zandrel " ZANDREL_VERSION;

constexpr const char* kUsageText =
    "Usage: zandrel-cli [OPTIONS] FILE...\n"
    "Convert BMP files (8, 24 or 32 bits per pixel) and PNG files into C source for the PSP.\n"
    "Each FILE gets a .c file next to it (and a .bin file with --binary).\n"
    "\n"
    "Options:\n"
    "  --binary      also write the raw .bin file\n"
    "  --no-const    declare the arrays without const\n"
    "  --no-prefix   do not put image_ in front of file and array names\n"
    "  --big-endian  write the 16-bit words of the .bin high byte first\n"
    "  --header      also write a .h declaring the arrays\n"
    "  --name NAME   the array name (one FILE only)\n"
    "  --outdir DIR  write the outputs into DIR (created when missing)\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "  --            treat every later argument as a file\n"
    "\n"
    "Textures for the PSP's graphics engine (a .c and a .h for each FILE):\n"
    "  --format F             5650, 5551, 4444, 8888, t8 or t4\n"
    "  --clut F               colour table of t8/t4: 5650, 5551, 4444 or 8888 (default)\n"
    "  --swizzle              store the texels in the swizzled block order\n"
    "  --pow2                 pad width and height to powers of two\n"
    "  --dither               ordered dithering for 16-bit formats\n"
    "  --alpha-threshold N    5551: alpha bit set when alpha >= N (0-255, default 128)\n"
    "  --key RRGGBB           make pixels of this colour transparent\n"
    "  --transparent-index N  make palette entry N transparent\n";

struct Arguments {
    ConvertOptions options;
    TextureOptions texture;
    bool bFormat = false;
    std::vector<const char*> files;
    bool bHelp = false;
    bool bVersion = false;
    const char* pszBadOption = nullptr;
    std::string valueError;              // the first option with a missing or bad value
    const char* pszTextureOnly = nullptr;  // the first option that needs --format
    const char* pszName = nullptr;
    const char* pszOutdir = nullptr;
};

bool ParseNumber(const char* psz, int nMax, int* pValue)
{
    int nValue = 0;
    if (!*psz)
        return false;
    for (; *psz; ++psz) {
        if (*psz < '0' || *psz > '9')
            return false;
        nValue = nValue * 10 + (*psz - '0');
        if (nValue > nMax)
            return false;
    }
    *pValue = nValue;
    return true;
}

bool ParseKey(const char* psz, std::uint32_t* pRgb)
{
    std::uint32_t nRgb = 0;
    int nDigits = 0;
    for (; *psz; ++psz, ++nDigits) {
        const char ch = *psz;
        const int nDigit = ch >= '0' && ch <= '9'   ? ch - '0'
                           : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                           : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                    : -1;
        if (nDigit < 0 || nDigits == 6)
            return false;
        nRgb = nRgb << 4 | static_cast<std::uint32_t>(nDigit);
    }
    *pRgb = nRgb;
    return nDigits == 6;
}

bool IsCIdentifier(const char* psz)
{
    if (!((*psz >= 'A' && *psz <= 'Z') || (*psz >= 'a' && *psz <= 'z') || *psz == '_'))
        return false;
    for (++psz; *psz; ++psz) {
        if (!((*psz >= 'A' && *psz <= 'Z') || (*psz >= 'a' && *psz <= 'z') || (*psz >= '0' && *psz <= '9') ||
              *psz == '_'))
            return false;
    }
    return true;
}

// One option: its spelling, whether it only makes sense with --format, and
// what it does. Options with a value return what a value must look like when
// it does not.
struct OptionRule {
    const char* pszName;
    bool bTextureOnly;
    void (*pfnFlag)(Arguments&);
    const char* (*pfnValue)(Arguments&, const char*);
};

const OptionRule kOptions[] = {
    {"--binary", false, [](Arguments& a) { a.options.m_bWriteBinary = 1; }, nullptr},
    {"--no-const", false, [](Arguments& a) { a.options.m_bAddConst = 0; }, nullptr},
    {"--no-prefix", false, [](Arguments& a) { a.options.m_bAddPrefix = 0; }, nullptr},
    {"--big-endian", false, [](Arguments& a) { a.options.m_bLittleEndian = 0; }, nullptr},
    {"--header", false, [](Arguments& a) { a.options.m_bWriteHeader = 1; }, nullptr},
    {"--help", false, [](Arguments& a) { a.bHelp = true; }, nullptr},
    {"-h", false, [](Arguments& a) { a.bHelp = true; }, nullptr},
    {"--version", false, [](Arguments& a) { a.bVersion = true; }, nullptr},
    {"--swizzle", true, [](Arguments& a) { a.texture.bSwizzle = true; }, nullptr},
    {"--pow2", true, [](Arguments& a) { a.texture.bPow2 = true; }, nullptr},
    {"--dither", true, [](Arguments& a) { a.texture.bDither = true; }, nullptr},
    {"--format", false, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.bFormat = true;
         return ParseTextureFormat(v, &a.texture.eFormat) ? nullptr : "5650, 5551, 4444, 8888, t8 or t4";
     }},
    {"--clut", true, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         TextureFormat eFormat;
         if (!ParseTextureFormat(v, &eFormat) || IsIndexFormat(eFormat))
             return "5650, 5551, 4444 or 8888";
         a.texture.eClutFormat = eFormat;
         return nullptr;
     }},
    {"--alpha-threshold", true, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, 255, &a.texture.nAlphaThreshold) ? nullptr : "0 to 255";
     }},
    {"--key", true, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.texture.bKey = true;
         return ParseKey(v, &a.texture.nKeyRgb) ? nullptr : "six hex digits RRGGBB";
     }},
    {"--transparent-index", true, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, 255, &a.texture.nTransparentIndex) ? nullptr : "0 to 255";
     }},
    {"--name", false, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.pszName = v;
         return IsCIdentifier(v) ? nullptr : "a C identifier";
     }},
    {"--outdir", false, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.pszOutdir = v;
         return *v ? nullptr : "a folder";
     }},
};

// The rule for arg ("--name" or "--name=value"); *ppszValue gets the inline
// value, null when there is none.
const OptionRule* FindOption(const char* arg, const char** ppszValue)
{
    const char* pszEquals = std::strchr(arg, '=');
    const std::size_t nLength = pszEquals ? static_cast<std::size_t>(pszEquals - arg) : std::strlen(arg);
    for (const OptionRule& rule : kOptions) {
        if (std::strlen(rule.pszName) == nLength && std::strncmp(arg, rule.pszName, nLength) == 0) {
            if (pszEquals && !rule.pfnValue)
                return nullptr;
            *ppszValue = pszEquals ? pszEquals + 1 : nullptr;
            return &rule;
        }
    }
    return nullptr;
}

Arguments ParseArguments(int argc, const char* const* argv)
{
    Arguments args;
    bool bOptionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (bOptionsEnded || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            args.files.push_back(arg);
            continue;
        }
        if (std::strcmp(arg, "--") == 0) {
            bOptionsEnded = true;
            continue;
        }
        const char* pszValue = nullptr;
        const OptionRule* pRule = FindOption(arg, &pszValue);
        if (!pRule) {
            if (!args.pszBadOption)
                args.pszBadOption = arg;
            continue;
        }
        if (pRule->bTextureOnly && !args.pszTextureOnly)
            args.pszTextureOnly = pRule->pszName;
        if (pRule->pfnFlag) {
            pRule->pfnFlag(args);
            continue;
        }
        if (!pszValue && i + 1 < argc)
            pszValue = argv[++i];
        const char* pszExpected = pszValue ? pRule->pfnValue(args, pszValue) : nullptr;
        if (!args.valueError.empty())
            continue;
        if (!pszValue)
            args.valueError = std::string(pRule->pszName) + " needs a value";
        else if (pszExpected)
            args.valueError = std::string("invalid value for ") + pRule->pszName + ": " + pszValue + " (" +
                              pszExpected + ")";
    }
    return args;
}

// Options that contradict each other; empty when there are none.
std::string CombinationError(const Arguments& args)
{
    if (args.pszTextureOnly && !args.bFormat)
        return std::string(args.pszTextureOnly) + " needs --format";
    if (args.bFormat && !args.options.m_bLittleEndian)
        return "--big-endian cannot be used with --format (the GE is little-endian)";
    if (args.bFormat && args.texture.eFormat == TextureFormat::k5650 &&
        (args.texture.bKey || args.texture.nTransparentIndex >= 0))
        return "--key and --transparent-index cannot be used with --format 5650 (it has no alpha)";
    if (args.pszName && args.files.size() > 1)
        return "--name takes one input file only";
    return std::string();
}

std::string JoinWritten(const std::vector<CString>& written)
{
    std::string text;
    for (const CString& path : written) {
        if (!text.empty())
            text += ", ";
        text += path.Str();
    }
    return text;
}

// One line per file: what was written, or why nothing (or not all) was.
bool ReportFile(const char* pszFile, const ConversionReport& report, std::FILE* out, std::FILE* err)
{
    switch (report.nResult) {
    case kConvertDone:
        std::fprintf(out, "%s: wrote %s\n", pszFile, JoinWritten(report.output.written).c_str());
        return true;
    case kConvertWriteFailed:
        for (const WriteFailure& failure : report.output.failures) {
            std::fprintf(err, "zandrel-cli: %s: could not write %s: %s\n", pszFile, failure.strPath.GetString(),
                         failure.nErrno ? std::strerror(failure.nErrno) : "write failed");
        }
        if (!report.output.written.empty())
            std::fprintf(out, "%s: wrote %s\n", pszFile, JoinWritten(report.output.written).c_str());
        return false;
    default:
        if (report.eRefusal == Refusal::kUnsupportedDepth && report.nBitCount > 0) {
            std::fprintf(err, "zandrel-cli: %s: refused: %d bits per pixel (only 8, 24 and 32 are converted)\n",
                         pszFile, report.nBitCount);
        } else if (report.eRefusal == Refusal::kTextureIndexTooLarge) {
            std::fprintf(err, "zandrel-cli: %s: refused: %s; the image uses index %d\n", pszFile,
                         DescribeRefusal(report.eRefusal), report.nRefusalDetail);
        } else {
            std::fprintf(err, "zandrel-cli: %s: refused: %s\n", pszFile, DescribeRefusal(report.eRefusal));
        }
        return false;
    }
}

// Build scripts on Windows often spell paths with '/'. The naming rule looks
// for the platform's separator, so turn them into backslashes ('/' is never
// the second byte of a double-byte character).
CString NativePath(const char* pszFile)
{
    std::string path(pszFile);
#ifdef _WIN32
    for (char& ch : path) {
        if (ch == '/')
            ch = '\\';
    }
#endif
    return CString(std::move(path));
}

// The output names of one file: derived from its path, or from its name in
// the output folder; the array name given by --name.
OutputNames NamesFor(const CString& strPath, const Arguments& args, const PathStyle& style)
{
    CString strNamingPath = strPath;
    if (args.pszOutdir) {
        const int nSlash = strPath.ReverseFind(style.chSeparator, style.nCodePage);
        CString strFolder = NativePath(args.pszOutdir);
        if (strFolder.GetLength() > 0 && strFolder.GetAt(strFolder.GetLength() - 1) != style.chSeparator)
            strFolder += style.chSeparator;
        strNamingPath = strFolder + strPath.Mid(nSlash + 1);
    }
    OutputNames names = DeriveOutputNames(strNamingPath, args.options.m_bAddPrefix, style);
    if (args.pszName)
        names.strArrayName = args.pszName;
    return names;
}

void WarnIfTooLargeForTheGe(const char* pszFile, const ConversionReport& report, std::FILE* err)
{
    if (report.nResult == kConvertRefused)
        return;
    if (report.nWidth > kGeMaxTextureSize || report.nHeight > kGeMaxTextureSize) {
        std::fprintf(err, "zandrel-cli: %s: warning: %d x %d is larger than the GE's %d x %d limit\n", pszFile,
                     report.nWidth, report.nHeight, kGeMaxTextureSize, kGeMaxTextureSize);
    }
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const Arguments args = ParseArguments(argc, argv);
    if (args.pszBadOption) {
        std::fprintf(err, "zandrel-cli: unknown option: %s\n%s", args.pszBadOption, kUsageText);
        return kExitUsage;
    }
    if (!args.valueError.empty()) {
        std::fprintf(err, "zandrel-cli: %s\n%s", args.valueError.c_str(), kUsageText);
        return kExitUsage;
    }
    if (args.bHelp) {
        std::fputs(kUsageText, out);
        return kExitAllConverted;
    }
    if (args.bVersion) {
        std::fprintf(out, "%s\n", kVersionText);
        return kExitAllConverted;
    }
    if (args.files.empty()) {
        std::fprintf(err, "zandrel-cli: no input file\n%s", kUsageText);
        return kExitUsage;
    }
    const std::string combination = CombinationError(args);
    if (!combination.empty()) {
        std::fprintf(err, "zandrel-cli: %s\n%s", combination.c_str(), kUsageText);
        return kExitUsage;
    }
    if (args.pszOutdir) {
        int nErrno = 0;
        if (!CreateFolders(NativePath(args.pszOutdir), &nErrno)) {
            std::fprintf(err, "zandrel-cli: cannot create folder %s: %s\n", args.pszOutdir, std::strerror(nErrno));
            return kExitSomeFailed;
        }
    }

    const PathStyle style = PathStyle::Native();
    bool bAllConverted = true;
    for (const char* pszFile : args.files) {
        const CString strPath = NativePath(pszFile);
        const OutputNames names = NamesFor(strPath, args, style);
        ConversionReport report;
        if (args.bFormat) {
            report = ConvertTextureFile(strPath, names, args.options, args.texture, kBmpAndPng, style);
            WarnIfTooLargeForTheGe(pszFile, report, err);
        } else {
            report = ConvertImageFileTo(strPath, names, args.options, kBmpAndPng);
        }
        bAllConverted = ReportFile(pszFile, report, out, err) && bAllConverted;
        std::fflush(out);
    }
    return bAllConverted ? kExitAllConverted : kExitSomeFailed;
}

}  // namespace zandrel

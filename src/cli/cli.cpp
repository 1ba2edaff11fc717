// zandrel-cli: the option table, the help made from it, one report line per file.
#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/atlas_run.h"
#include "convert/convert.h"
#include "convert/texture/layout.h"
#include "convert/texture/palette_texture.h"
#include "convert/pixel_format.h"
#include "framework/file_system.h"
#include "zandrel_version.h"

namespace zandrel {
namespace {

constexpr const char* kVersionText = "Zandrel " ZANDREL_VERSION;

constexpr const char* kUsageIntro =
    "Usage: zandrel-cli [OPTIONS] FILE...\n"
    "Convert BMP files (8, 24 or 32 bits per pixel; for textures 1, 4 and 16 too) and PNG files\n"
    "into C source for the PSP.\n"
    "Each FILE gets a .c file next to it (and a .bin file with --binary).\n";

constexpr const char* kUsageEnd =
    "\nExample: a 4-bit texture with a 5551 colour table, as build/tex/image_font_t4.c and .h:\n"
    "  zandrel-cli --format t4 --clut 5551 --suffix _t4 --outdir build/tex font.png\n"
    "\nExit status: 0 every FILE converted, 1 a FILE refused or an output not written, 2 usage error.\n";

struct OptionRule;

struct Arguments {
    std::vector<const OptionRule*> given;  // every option given, in order
    NamingOptions naming;
    ConvertOptions options;
    TextureOptions texture;
    bool bFormat = false;
    std::vector<const char*> files;
    bool bOptionsEnded = false;
    bool bHelp = false;
    bool bVersion = false;
    const char* pszBadOption = nullptr;
    std::string valueError;                // the first option with a missing or bad value
    const char* pszTextureOnly = nullptr;  // the first option that needs --format
    const char* pszOutdir = nullptr;       // as given, for creating it and naming it in errors
    AtlasArguments atlas;                  // --atlas: atlas.pszName set
    const char* pszSharedClut = nullptr;   // --shared-clut NAME
    std::string sharedClutOption;          // "--shared-clut NAME", the owner of its files
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

// "WxH": two numbers from 1 to nMax; with bPowerOfTwo powers of two only.
bool ParseSize(const char* psz, int nMax, bool bPowerOfTwo, int* pWidth, int* pHeight)
{
    const char* pszX = std::strchr(psz, 'x');
    if (!pszX)
        return false;
    const std::string width(psz, pszX);
    int w = 0, h = 0;
    if (!ParseNumber(width.c_str(), nMax, &w) || !ParseNumber(pszX + 1, nMax, &h) || w < 1 || h < 1)
        return false;
    if (bPowerOfTwo && ((w & (w - 1)) != 0 || (h & (h - 1)) != 0))
        return false;
    *pWidth = w;
    *pHeight = h;
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

// The textures an option changes: texel formats, or (index formats) CLUT formats.
struct Meaning {
    unsigned nFormats;      // bits of TextureFormat
    unsigned nClutFormats;  // with an index format: bits of the CLUT's format
};

// The groups of the help text, in its order.
enum class OptionGroup { kGeneral, kTexture, kAtlas };

// Whether an option goes with --atlas.
enum class AtlasUse { kEither, kAtlasOnly, kNotWithAtlas, kImpliedByAtlas, kNotForPages };

// One option: its spelling, its value's name and its help line, where the
// help lists it, whether it only makes sense with --format, and what it
// does. Options with a value return what a value must look like when it
// does not.
struct OptionRule {
    const char* pszName;
    const char* pszAlias;  // another spelling, not listed; or null
    const char* pszValue;  // the value as the help names it; null for a flag
    const char* pszHelp;
    OptionGroup eGroup;
    bool bTextureOnly;
    Meaning meaningful;  // the textures it changes; given for any other it is refused
    void (*pfnFlag)(Arguments&);
    const char* (*pfnValue)(Arguments&, const char*);
    AtlasUse eAtlas = AtlasUse::kEither;
};

constexpr OptionGroup kGeneral = OptionGroup::kGeneral;
constexpr OptionGroup kTexture = OptionGroup::kTexture;
constexpr OptionGroup kAtlas = OptionGroup::kAtlas;

constexpr unsigned FormatBit(TextureFormat eFormat)
{
    return 1u << static_cast<int>(eFormat);
}
constexpr unsigned kIndexFormats = FormatBit(TextureFormat::kT4) | FormatBit(TextureFormat::kT8);
constexpr unsigned kDxtFormats =
    FormatBit(TextureFormat::kDxt1) | FormatBit(TextureFormat::kDxt3) | FormatBit(TextureFormat::kDxt5);
constexpr unsigned kAllFormats = 0x3F | kDxtFormats;
// --swizzle: DXT blocks are never swizzled.
constexpr Meaning kSwizzledFormats{kAllFormats & ~kDxtFormats, 0};
constexpr Meaning kAlways{kAllFormats, 0};
// --dither: ordered on the 16-bit texel formats, error diffusion on the index formats.
constexpr Meaning kDitheredTexels{FormatBit(TextureFormat::k5650) | FormatBit(TextureFormat::k5551) |
                                      FormatBit(TextureFormat::k4444) | kIndexFormats,
                                  0};
// --alpha-threshold decides the alpha bit of 5551 texels or 5551 CLUT entries,
// and which DXT1 texels are transparent.
constexpr Meaning kFiveFiveFiveOne{FormatBit(TextureFormat::k5551) | FormatBit(TextureFormat::kDxt1),
                                   FormatBit(TextureFormat::k5551)};

const OptionRule kOptions[] = {
    {"--binary", nullptr, nullptr, "also write the raw .bin file", kGeneral, false, kAlways,
     [](Arguments& a) { a.options.m_bWriteBinary = 1; }, nullptr},
    {"--no-const", nullptr, nullptr, "declare the arrays without const", kGeneral, false, kAlways,
     [](Arguments& a) { a.options.m_bAddConst = 0; }, nullptr},
    {"--no-prefix", nullptr, nullptr, "do not put image_ in front of file and array names", kGeneral, false, kAlways,
     [](Arguments& a) { a.naming.bAddPrefix = false; }, nullptr, AtlasUse::kNotWithAtlas},
    {"--big-endian", nullptr, nullptr, "write the 16-bit words of the .bin high byte first", kGeneral, false, kAlways,
     [](Arguments& a) { a.options.m_bLittleEndian = 0; }, nullptr},
    {"--header", nullptr, nullptr, "also write a .h declaring the arrays (always written with --format)", kGeneral,
     false, kAlways,
     [](Arguments& a) { a.options.m_bWriteHeader = 1; }, nullptr},
    {"--name", nullptr, "NAME", "the outputs' file stem and array name, no prefix added (one FILE only)", kGeneral,
     false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.naming.strName = v;
         return IsCIdentifier(v) ? nullptr : "a C identifier";
     }, AtlasUse::kNotWithAtlas},
    {"--suffix", nullptr, "S", "append S to every file stem and array name", kGeneral, false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.naming.strSuffix = v;
         return IsIdentifierSuffix(v) ? nullptr : "letters, digits and _";
     }, AtlasUse::kNotWithAtlas},
    {"--outdir", nullptr, "DIR", "write the outputs into DIR (created when missing)", kGeneral, false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.pszOutdir = v;
         a.naming.strOutdir = NativePath(v);
         return *v ? nullptr : "a folder";
     }},
    {"--help", "-h", nullptr, "show this help and exit", kGeneral, false, kAlways, [](Arguments& a) { a.bHelp = true; },
     nullptr},
    {"--version", nullptr, nullptr, "show the version and exit", kGeneral, false, kAlways,
     [](Arguments& a) { a.bVersion = true; }, nullptr},
    {"--", nullptr, nullptr, "treat every later argument as a file", kGeneral, false, kAlways,
     [](Arguments& a) { a.bOptionsEnded = true; }, nullptr},
    {"--format", nullptr, "F", "5650, 5551, 4444, 8888, t8, t4, dxt1, dxt3 or dxt5", kTexture, false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.bFormat = true;
         return ParseTextureFormat(v, &a.texture.eFormat) ? nullptr
                                                          : "5650, 5551, 4444, 8888, t8, t4, dxt1, dxt3 or dxt5";
     }},
    {"--clut", nullptr, "F", "colour table of t8/t4: 5650, 5551, 4444 or 8888 (default)", kTexture, true,
     Meaning{kIndexFormats, 0}, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         TextureFormat eFormat;
         if (!ParseTextureFormat(v, &eFormat) || IsIndexFormat(eFormat) || IsDxtFormat(eFormat))
             return "5650, 5551, 4444 or 8888";
         a.texture.eClutFormat = eFormat;
         return nullptr;
     }},
    {"--swizzle", nullptr, nullptr, "store the texels in the swizzled block order (not DXT)", kTexture, true,
     kSwizzledFormats,
     [](Arguments& a) { a.texture.bSwizzle = true; }, nullptr},
    {"--pow2", nullptr, nullptr, "pad width and height to powers of two", kTexture, true, kAlways,
     [](Arguments& a) { a.texture.bPow2 = true; }, nullptr, AtlasUse::kImpliedByAtlas},
    {"--dither", nullptr, nullptr, "ordered dithering for 16-bit formats, error diffusion for t8/t4", kTexture, true,
     kDitheredTexels, [](Arguments& a) { a.texture.bDither = true; }, nullptr},
    {"--colors", nullptr, "N", "t8/t4: at most N colours (2-256, t4 2-16); images with more are quantised", kTexture,
     true, Meaning{kIndexFormats, 0}, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, 256, &a.texture.nColors) && a.texture.nColors >= 2 ? nullptr : "2 to 256";
     }},
    {"--shared-clut", nullptr, "NAME", "t8/t4: one colour table for every FILE, written as NAME.c and NAME.h",
     kTexture, true, Meaning{kIndexFormats, 0}, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.pszSharedClut = v;
         a.sharedClutOption = std::string("--shared-clut ") + v;
         return IsCIdentifier(v) ? nullptr : "a C identifier";
     }, AtlasUse::kNotWithAtlas},
    {"--alpha-threshold", nullptr, "N", "5551 texels or CLUT, DXT1: opaque when alpha >= N (0-255, default 128)", kTexture, true,
     kFiveFiveFiveOne,
     nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, 255, &a.texture.nAlphaThreshold) ? nullptr : "0 to 255";
     }},
    {"--key", nullptr, "RRGGBB", "make pixels of this colour transparent", kTexture, true, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.texture.bKey = true;
         return ParseKey(v, &a.texture.nKeyRgb) ? nullptr : "six hex digits RRGGBB";
     }},
    {"--transparent-index", nullptr, "N",
     "make palette entry N transparent; t8/t4: the entry transparent pixels share (default 0)", kTexture, true,
     kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, 255, &a.texture.nTransparentIndex) ? nullptr : "0 to 255";
     }},
    {"--mipmaps", nullptr, "N", "add N mip levels, each half the size (1-7, or max); power-of-two sides or --pow2", kTexture, true, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         if (std::strcmp(v, "max") == 0) {
             a.texture.nMipmaps = kMipmapsMax;
             return nullptr;
         }
         return ParseNumber(v, kMaxMipmaps, &a.texture.nMipmaps) && a.texture.nMipmaps >= 1 ? nullptr
                                                                                           : "1 to 7, or max";
     }, AtlasUse::kNotForPages},
    {"--atlas", nullptr, "NAME", "pack every FILE into the pages of one atlas, NAME.c and NAME.h", kAtlas, true,
     kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.atlas.pszName = v;
         return IsCIdentifier(v) ? nullptr : "a C identifier";
     }},
    {"--page-size", nullptr, "WxH", "the largest page, powers of two up to 512 (default 512x512)", kAtlas, false,
     kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseSize(v, kMaxAtlasPageSize, true, &a.atlas.pack.nPageWidth, &a.atlas.pack.nPageHeight)
                    ? nullptr : "powers of two up to 512, as WxH";
     }, AtlasUse::kAtlasOnly},
    {"--padding", nullptr, "N", "transparent texels between sprites and at page edges (0-512, default 1)", kAtlas,
     false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, kMaxAtlasMargin, &a.atlas.pack.nPadding) ? nullptr : "0 to 512";
     }, AtlasUse::kAtlasOnly},
    {"--extrude", nullptr, "N", "repeat each sprite's edge texels N times outwards (0-512, default 0)", kAtlas, false,
     kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseNumber(v, kMaxAtlasMargin, &a.atlas.pack.nExtrude) ? nullptr : "0 to 512";
     }, AtlasUse::kAtlasOnly},
    {"--trim", nullptr, nullptr, "cut fully transparent borders (the table keeps offset and source size)", kAtlas,
     false, kAlways, [](Arguments& a) { a.atlas.bTrim = true; }, nullptr, AtlasUse::kAtlasOnly},
    {"--tiles", nullptr, "WxH", "cut each FILE into a grid of WxH sprites, empty ones dropped", kAtlas, false, kAlways,
     nullptr,
     [](Arguments& a, const char* v) -> const char* {
         return ParseSize(v, 65535, false, &a.atlas.nTileWidth, &a.atlas.nTileHeight) ? nullptr
                                                                                       : "1 to 65535 each, as WxH";
     }, AtlasUse::kAtlasOnly},
    {"--keep-empty", nullptr, nullptr, "keep fully transparent tiles", kAtlas, false, kAlways,
     [](Arguments& a) { a.atlas.bKeepEmpty = true; }, nullptr, AtlasUse::kAtlasOnly},
    {"--atlas-json", nullptr, "FILE", "also write the table as JSON frames to FILE", kAtlas, false, kAlways, nullptr,
     [](Arguments& a, const char* v) -> const char* {
         a.atlas.pszJson = v;
         return *v ? nullptr : "a file name";
     }, AtlasUse::kAtlasOnly},
};

struct GroupHeading {
    OptionGroup eGroup;
    const char* pszHeading;
};

constexpr GroupHeading kGroupHeadings[] = {
    {kGeneral, "Options:"},
    {kTexture, "Textures for the PSP's graphics engine (a .c and a .h for each FILE):"},
    {kAtlas, "Atlases (with --format; pages of one format, one CLUT for t8/t4, a table of sprites in NAME.h):"},
};

// "--name NAME" as the help spells an option.
std::string Spelling(const OptionRule& rule)
{
    return rule.pszValue ? std::string(rule.pszName) + " " + rule.pszValue : std::string(rule.pszName);
}

// The help: the introduction, then each group's options, their help lines
// aligned two spaces after the group's longest spelling.
std::string UsageText()
{
    std::string text = kUsageIntro;
    for (const GroupHeading& group : kGroupHeadings) {
        std::size_t nColumn = 0;
        for (const OptionRule& rule : kOptions) {
            if (rule.eGroup == group.eGroup)
                nColumn = std::max(nColumn, Spelling(rule).size());
        }
        text += std::string("\n") + group.pszHeading + "\n";
        for (const OptionRule& rule : kOptions) {
            if (rule.eGroup != group.eGroup)
                continue;
            const std::string spelling = Spelling(rule);
            text += "  " + spelling + std::string(nColumn - spelling.size() + 2, ' ') + rule.pszHelp + "\n";
        }
    }
    return text + kUsageEnd;
}

// The rule for arg ("--name" or "--name=value"); *ppszValue gets the inline
// value, null when there is none.
const OptionRule* FindOption(const char* arg, const char** ppszValue)
{
    const char* pszEquals = std::strchr(arg, '=');
    const std::size_t nLength = pszEquals ? static_cast<std::size_t>(pszEquals - arg) : std::strlen(arg);
    const auto IsSpelledAs = [&](const char* pszSpelling) {
        return pszSpelling && std::strlen(pszSpelling) == nLength && std::strncmp(arg, pszSpelling, nLength) == 0;
    };
    for (const OptionRule& rule : kOptions) {
        if (IsSpelledAs(rule.pszName) || IsSpelledAs(rule.pszAlias)) {
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
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (args.bOptionsEnded || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            args.files.push_back(arg);
            continue;
        }
        const char* pszValue = nullptr;
        const OptionRule* pRule = FindOption(arg, &pszValue);
        if (!pRule) {
            if (!args.pszBadOption)
                args.pszBadOption = arg;
            continue;
        }
        args.given.push_back(pRule);
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
    // A texture's files are const and binary as the default output's are.
    args.texture.bAddConst = args.options.m_bAddConst != 0;
    args.texture.bWriteBinary = args.options.m_bWriteBinary != 0;
    args.options.m_bAllOrNothing = 1;
    return args;
}

bool ChangesTexture(const Meaning& meaning, const TextureOptions& texture)
{
    return (meaning.nFormats & FormatBit(texture.eFormat)) != 0 ||
           (IsIndexFormat(texture.eFormat) && (meaning.nClutFormats & FormatBit(texture.eClutFormat)) != 0);
}

// The first option given that changes nothing for the texture asked, named
// with that texture; empty when there is none.
std::string PointlessOptionError(const Arguments& args)
{
    for (const OptionRule* pRule : args.given) {
        if (ChangesTexture(pRule->meaningful, args.texture))
            continue;
        std::string texture = std::string("--format ") + TextureFormatName(args.texture.eFormat);
        if (pRule->meaningful.nClutFormats && IsIndexFormat(args.texture.eFormat))
            texture += std::string(" --clut ") + TextureFormatName(args.texture.eClutFormat);
        return std::string(pRule->pszName) + " cannot be used with " + texture + " (it changes nothing there)";
    }
    return std::string();
}

// Options that contradict each other; empty when there are none.
std::string CombinationError(const Arguments& args)
{
    for (const OptionRule* pRule : args.given) {
        if (pRule->eAtlas == AtlasUse::kAtlasOnly && !args.atlas.pszName)
            return std::string(pRule->pszName) + " needs --atlas";
        if (pRule->eAtlas == AtlasUse::kNotWithAtlas && args.atlas.pszName)
            return std::string(pRule->pszName) + " cannot be used with --atlas (its NAME names the outputs)";
        if (pRule->eAtlas == AtlasUse::kImpliedByAtlas && args.atlas.pszName)
            return std::string(pRule->pszName) + " cannot be used with --atlas (pages are powers of two already)";
        if (pRule->eAtlas == AtlasUse::kNotForPages && args.atlas.pszName)
            return std::string(pRule->pszName) + " cannot be used with --atlas (pages have one level)";
    }
    if (args.atlas.bKeepEmpty && args.atlas.nTileWidth == 0)
        return "--keep-empty needs --tiles";
    if (args.pszTextureOnly && !args.bFormat)
        return std::string(args.pszTextureOnly) + " needs --format";
    if (args.bFormat && !args.options.m_bLittleEndian)
        return "--big-endian cannot be used with --format (the GE is little-endian)";
    if (args.bFormat && args.texture.eFormat == TextureFormat::k5650 &&
        (args.texture.bKey || args.texture.nTransparentIndex >= 0))
        return "--key and --transparent-index cannot be used with --format 5650 (it has no alpha)";
    if (args.bFormat && args.texture.bSwizzle && IsDxtFormat(args.texture.eFormat))
        return std::string("--swizzle cannot be used with --format ") + TextureFormatName(args.texture.eFormat) +
               " (DXT blocks are never swizzled)";
    if (args.bFormat) {
        std::string pointless = PointlessOptionError(args);
        if (!pointless.empty())
            return pointless;
    }
    if (!args.naming.strName.IsEmpty() && args.files.size() > 1)
        return "--name takes one input file only";
    if (args.texture.eFormat == TextureFormat::kT4 && args.texture.nColors > 16)
        return "--colors with --format t4 takes 2 to 16";
    if (IsIndexFormat(args.texture.eFormat) && args.texture.nTransparentIndex >= PaletteColorLimit(args.texture))
        return "--transparent-index must be below the number of colours (" +
               std::to_string(PaletteColorLimit(args.texture)) + ")";
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
bool ReportFile(const char* pszFile, const OutputNames& names, const ConversionReport& report, std::FILE* out,
                std::FILE* err)
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
        if (report.eRefusal == Refusal::kUnsupportedDepth && report.nRefusalDetail > 0) {
            std::fprintf(err, "zandrel-cli: %s: refused: %d bits per pixel (only 8, 24 and 32 are converted)\n",
                         pszFile, report.nRefusalDetail);
        } else if (report.eRefusal == Refusal::kUnsupportedTextureDepth && report.nRefusalDetail > 0) {
            std::fprintf(err, "zandrel-cli: %s: refused: %d bits per pixel (only 1, 4, 8, 16, 24 and 32 are read)\n",
                         pszFile, report.nRefusalDetail);
        } else if (report.eRefusal == Refusal::kCannotOpen && report.nRefusalDetail != 0) {
            std::fprintf(err, "zandrel-cli: %s: refused: %s: %s\n", pszFile, DescribeRefusal(report.eRefusal),
                         DescribeSystemError(report.nRefusalDetail).c_str());
        } else if (report.eRefusal == Refusal::kHeaderNameUnusable) {
            std::fprintf(err, "zandrel-cli: %s: refused: the header name %s.h cannot be #included; choose another "
                         "with --name\n", pszFile, names.strStem.GetString());
        } else if (report.eRefusal == Refusal::kMipmapsNeedPowerOfTwo) {
            std::fprintf(err, "zandrel-cli: %s: refused: mipmaps need power-of-two sides (%d x %d); add --pow2\n",
                         pszFile, report.nWidth, report.nHeight);
        } else if (report.eRefusal == Refusal::kBufferTooWide) {
            std::fprintf(err, "zandrel-cli: %s: refused: %s; this texture needs %d\n", pszFile,
                         DescribeRefusal(report.eRefusal), report.nRefusalDetail);
        } else {
            std::fprintf(err, "zandrel-cli: %s: refused: %s\n", pszFile, DescribeRefusal(report.eRefusal));
        }
        return false;
    }
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

// One input of the run as planned before anything is written.
struct PlannedInput {
    const char* pszFile;               // as given
    CString strPath;                   // as the platform spells it
    OutputNames names;
    bool bRepeated = false;            // an earlier input has the same path: converted once
    const char* pszReplaced = nullptr; // the earlier input whose outputs this one's would replace
};

// The files of --shared-clut NAME: NAME.c, NAME.h (and NAME.bin) in the
// output folder, or the current one.
OutputNames SharedClutNames(const Arguments& args)
{
    NamingOptions naming;
    naming.strOutdir = args.naming.strOutdir;
    naming.strName = args.pszSharedClut;
    return DeriveOutputNames(CString(args.pszSharedClut), naming, PathStyle::Native());
}

// The inputs with their names, and which of them may not be converted: the
// outputs of an input are claimed first come (a shared CLUT's before every
// input's), so a later input that would write over any of them is refused,
// and the earlier one keeps them.
std::vector<PlannedInput> PlanRun(const Arguments& args)
{
    const PathStyle style = PathStyle::Native();
    OutputFileSet files;
    files.bHeader = args.bFormat || args.options.m_bWriteHeader;
    files.bBinary = args.options.m_bWriteBinary != 0;
    files.bClutBinary = args.bFormat && files.bBinary && IsIndexFormat(args.texture.eFormat) && !args.pszSharedClut;
    struct Claim {
        CString strPath;
        const char* pszOwner;
    };
    std::vector<Claim> claims;
    if (args.pszSharedClut) {
        OutputFileSet clutFiles;
        clutFiles.bHeader = true;
        clutFiles.bBinary = files.bBinary;
        for (const CString& path : OutputPaths(SharedClutNames(args), clutFiles))
            claims.push_back({path, args.sharedClutOption.c_str()});
    }
    std::vector<PlannedInput> plan;
    for (const char* pszFile : args.files) {
        PlannedInput input{pszFile, NativePath(pszFile), OutputNames()};
        input.names = DeriveOutputNames(input.strPath, args.naming, style);
        input.bRepeated = std::any_of(plan.begin(), plan.end(), [&](const PlannedInput& earlier) {
            return IsSamePath(earlier.strPath, input.strPath, style);
        });
        const std::vector<CString> paths = input.bRepeated ? std::vector<CString>() : OutputPaths(input.names, files);
        for (const CString& path : paths) {
            const auto claim = std::find_if(claims.begin(), claims.end(),
                                            [&](const Claim& c) { return IsSamePath(c.strPath, path, style); });
            if (claim != claims.end()) {
                input.pszReplaced = claim->pszOwner;
                break;
            }
        }
        for (const CString& path : input.pszReplaced ? std::vector<CString>() : paths)
            claims.push_back({path, pszFile});
        plan.push_back(std::move(input));
    }
    return plan;
}

// --shared-clut: every input or none. An input whose outputs would replace
// another's is refused before anything is read.
int RunSharedClut(const Arguments& args, std::FILE* out, std::FILE* err)
{
    std::vector<CString> paths;
    std::vector<OutputNames> names;
    std::vector<const char*> given;
    bool bCollision = false;
    for (const PlannedInput& input : PlanRun(args)) {
        if (input.pszReplaced) {
            std::fprintf(err, "zandrel-cli: %s: refused: its outputs would replace those of %s\n", input.pszFile,
                         input.pszReplaced);
            bCollision = true;
        } else if (!input.bRepeated) {
            paths.push_back(input.strPath);
            names.push_back(input.names);
            given.push_back(input.pszFile);
        }
    }
    if (bCollision) {
        std::fprintf(err, "zandrel-cli: %s: nothing written: every FILE shares it\n", args.sharedClutOption.c_str());
        return kExitSomeFailed;
    }
    const OutputNames clutNames = SharedClutNames(args);
    ConversionReport clutReport;
    const std::vector<ConversionReport> reports =
        ConvertSharedClutTextures(paths, names, clutNames, args.texture, kTextureInputs, &clutReport);
    bool bAllConverted = ReportFile(args.sharedClutOption.c_str(), clutNames, clutReport, out, err);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        WarnIfTooLargeForTheGe(given[i], reports[i], err);
        bAllConverted = ReportFile(given[i], names[i], reports[i], out, err) && bAllConverted;
    }
    return bAllConverted ? kExitAllConverted : kExitSomeFailed;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const Arguments args = ParseArguments(argc, argv);
    const std::string usage = UsageText();
    const char* pszUsage = usage.c_str();
    if (args.pszBadOption) {
        std::fprintf(err, "zandrel-cli: unknown option: %s\n%s", args.pszBadOption, pszUsage);
        return kExitUsage;
    }
    if (!args.valueError.empty()) {
        std::fprintf(err, "zandrel-cli: %s\n%s", args.valueError.c_str(), pszUsage);
        return kExitUsage;
    }
    if (args.bHelp) {
        std::fputs(pszUsage, out);
        return kExitAllConverted;
    }
    if (args.bVersion) {
        std::fprintf(out, "%s\n", kVersionText);
        return kExitAllConverted;
    }
    if (args.files.empty()) {
        std::fprintf(err, "zandrel-cli: no input file\n%s", pszUsage);
        return kExitUsage;
    }
    const std::string combination = CombinationError(args);
    if (!combination.empty()) {
        std::fprintf(err, "zandrel-cli: %s\n%s", combination.c_str(), pszUsage);
        return kExitUsage;
    }
    if (args.pszOutdir) {
        int nErrno = 0;
        if (!CreateFolders(NativePath(args.pszOutdir), &nErrno)) {
            std::fprintf(err, "zandrel-cli: cannot create folder %s: %s\n", args.pszOutdir, std::strerror(nErrno));
            return kExitSomeFailed;
        }
    }

    if (args.atlas.pszName)
        return RunAtlas(args.atlas, args.files, args.naming, args.texture, out, err);

    if (args.pszSharedClut)
        return RunSharedClut(args, out, err);
    bool bAllConverted = true;
    for (const PlannedInput& input : PlanRun(args)) {
        if (input.bRepeated)
            continue;
        if (input.pszReplaced) {
            std::fprintf(err, "zandrel-cli: %s: refused: its outputs would replace those of %s\n", input.pszFile,
                         input.pszReplaced);
            bAllConverted = false;
            continue;
        }
        ConversionReport report;
        if (args.bFormat) {
            report = ConvertTextureFile(input.strPath, input.names, args.texture, kTextureInputs);
            WarnIfTooLargeForTheGe(input.pszFile, report, err);
        } else {
            report = ConvertImageFile(input.strPath, input.names, args.options, kBmpAndPng);
        }
        bAllConverted = ReportFile(input.pszFile, input.names, report, out, err) && bAllConverted;
        std::fflush(out);
    }
    return bAllConverted ? kExitAllConverted : kExitSomeFailed;
}

}  // namespace zandrel

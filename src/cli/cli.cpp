#include "cli/cli.h"

#include <cstring>
#include <string>
#include <vector>

#include "convert/convert_file.h"
#include "zandrel_version.h"

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
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "  --            treat every later argument as a file\n";

struct Arguments {
    ConvertOptions options;
    std::vector<const char*> files;
    bool bHelp = false;
    bool bVersion = false;
    const char* pszBadOption = nullptr;
};

Arguments ParseArguments(int argc, const char* const* argv)
{
    Arguments args;
    bool bOptionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (bOptionsEnded || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            args.files.push_back(arg);
        } else if (std::strcmp(arg, "--") == 0) {
            bOptionsEnded = true;
        } else if (std::strcmp(arg, "--binary") == 0) {
            args.options.m_bWriteBinary = 1;
        } else if (std::strcmp(arg, "--no-const") == 0) {
            args.options.m_bAddConst = 0;
        } else if (std::strcmp(arg, "--no-prefix") == 0) {
            args.options.m_bAddPrefix = 0;
        } else if (std::strcmp(arg, "--big-endian") == 0) {
            args.options.m_bLittleEndian = 0;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            args.bHelp = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            args.bVersion = true;
        } else if (!args.pszBadOption) {
            args.pszBadOption = arg;
        }
    }
    return args;
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

}  // namespace

int RunCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const Arguments args = ParseArguments(argc, argv);
    if (args.pszBadOption) {
        std::fprintf(err, "zandrel-cli: unknown option: %s\n%s", args.pszBadOption, kUsageText);
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

    const PathStyle style = PathStyle::Native();
    bool bAllConverted = true;
    for (const char* pszFile : args.files) {
        const ConversionReport report =
            ConvertImageFile(NativePath(pszFile), args.options, style, InputFormats::kBmpAndPng);
        bAllConverted = ReportFile(pszFile, report, out, err) && bAllConverted;
        std::fflush(out);
    }
    return bAllConverted ? kExitAllConverted : kExitSomeFailed;
}

}  // namespace zandrel

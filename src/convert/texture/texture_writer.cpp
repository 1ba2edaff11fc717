#include "convert/texture/texture_writer.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "convert/output/text_buffer.h"

namespace zandrel {
namespace {

std::string MacroPrefix(const CString& strIdentifier)
{
    std::string prefix = strIdentifier.Str();
    for (char& ch : prefix) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return prefix;
}

const char* ElementType(TextureFormat eFormat)
{
    switch (BitsPerPixel(eFormat)) {
    case 32: return "unsigned int";
    case 16: return "unsigned short";
    default: return "unsigned char";
    }
}

// "const unsigned short name[] __attribute__((aligned(16)))", the GE's
// alignment for textures and CLUTs alike.
std::string ArrayDeclarator(int bAddConst, TextureFormat eFormat, const std::string& name)
{
    return std::string(bAddConst ? "const " : "") + ElementType(eFormat) + " " + name +
           "[] __attribute__((aligned(16)))";
}

void AppendDefine(TextBuffer& text, const std::string& prefix, const char* pszName, long long nValue)
{
    // Built as a string: a prefix from a long file name must not be cut.
    const std::string line = "#define " + prefix + "_" + pszName + " " + std::to_string(nValue) + "\r\n";
    text.Append(line.data(), line.size());
}

// Lines of nLineBytes stored bytes, as elements of the format's width.
void AppendStoredLines(TextBuffer& text, TextureFormat eFormat, const std::uint8_t* pBytes, std::int64_t nBytes,
                       std::int64_t nLineBytes)
{
    const int nElementBytes = std::max(1, BitsPerPixel(eFormat) / 8);
    for (std::int64_t nDone = 0; nDone < nBytes && text.Good(); nDone += nLineBytes) {
        const std::size_t nCount = static_cast<std::size_t>(nLineBytes / nElementBytes);
        if (nElementBytes == 4)
            text.AppendLittleEndianDwords(pBytes + nDone, nCount);
        else if (nElementBytes == 2)
            text.AppendLittleEndianWords(pBytes + nDone, nCount);
        else
            text.AppendBytes(pBytes + nDone, nCount);
        text.Append("\r\n", 2);
    }
}

bool WriteBytes(ByteSink& sink, const std::uint8_t* pBytes, std::size_t nCount)
{
    return nCount == 0 || sink.Write(pBytes, nCount);
}

}  // namespace

bool FormatTextureSource(ByteSink& sink, const TextureRequest& request, const EncodedTexture& texture)
{
    const TextureLayout& layout = texture.layout;
    const std::string name = request.strIdentifier.Str();
    TextBuffer text(sink);
    char szLine[200];
    text.Append("// texture for the PSP's graphics engine\r\n");
    std::snprintf(szLine, sizeof szLine,
                  "// width = %lld, height = %lld, format %s, buffer width = %lld, stored rows = %lld%s\r\n",
                  static_cast<long long>(layout.nWidth), static_cast<long long>(layout.nHeight),
                  TextureFormatName(layout.eFormat), static_cast<long long>(layout.nBufferWidth),
                  static_cast<long long>(layout.nStoredRows), layout.bSwizzled ? ", swizzled" : "");
    text.Append(szLine);
    text.Append("#include \"");
    text.Append(request.strIncludeName);
    text.Append("\"\r\n\r\n");
    text.Append((ArrayDeclarator(request.m_bAddConst, layout.eFormat, name) + "={\r\n").c_str());
    AppendStoredLines(text, layout.eFormat, texture.texels.Data(), layout.nBytes, layout.nRowBytes);
    text.Append("};\r\n");
    if (IsIndexFormat(layout.eFormat)) {
        std::snprintf(szLine, sizeof szLine, "\r\n\r\n// colour table: format %s, entries = %d\r\n",
                      TextureFormatName(texture.eClutFormat), texture.nClutEntries);
        text.Append(szLine);
        text.Append((ArrayDeclarator(request.m_bAddConst, texture.eClutFormat, name + "_clut") + "={\r\n").c_str());
        // One 32-byte block, the unit the GE loads, a line.
        AppendStoredLines(text, texture.eClutFormat, texture.clut.data(),
                          static_cast<std::int64_t>(texture.clut.size()), 32);
        text.Append("};\r\n");
    }
    return text.Flush();
}

bool FormatTextureHeader(ByteSink& sink, const TextureRequest& request, const EncodedTexture& texture)
{
    const TextureLayout& layout = texture.layout;
    const std::string name = request.strIdentifier.Str();
    const std::string prefix = MacroPrefix(request.strIdentifier);
    const bool bIndexed = IsIndexFormat(layout.eFormat);
    TextBuffer text(sink);
    text.Append("// texture for the PSP's graphics engine\r\n");
    text.Append(("#ifndef " + prefix + "_H\r\n#define " + prefix + "_H\r\n\r\n").c_str());
    AppendDefine(text, prefix, "WIDTH", layout.nWidth);
    AppendDefine(text, prefix, "HEIGHT", layout.nHeight);
    AppendDefine(text, prefix, "TEXTURE_WIDTH", layout.nTextureWidth);
    AppendDefine(text, prefix, "TEXTURE_HEIGHT", layout.nTextureHeight);
    AppendDefine(text, prefix, "BUFFER_WIDTH", layout.nBufferWidth);
    AppendDefine(text, prefix, "PSM", static_cast<int>(layout.eFormat));
    AppendDefine(text, prefix, "SWIZZLED", layout.bSwizzled ? 1 : 0);
    if (bIndexed) {
        AppendDefine(text, prefix, "CLUT_PSM", static_cast<int>(texture.eClutFormat));
        AppendDefine(text, prefix, "CLUT_ENTRIES", texture.nClutEntries);
        AppendDefine(text, prefix, "CLUT_BLOCKS", static_cast<long long>(texture.clut.size() / 32));
    }
    text.Append("\r\n/* Drawing with it:\r\n");
    if (bIndexed) {
        text.Append((" *   sceGuClutMode(" + prefix + "_CLUT_PSM, 0, 0xFF, 0);\r\n").c_str());
        text.Append((" *   sceGuClutLoad(" + prefix + "_CLUT_BLOCKS, " + name + "_clut);\r\n").c_str());
    }
    text.Append((" *   sceGuTexMode(" + prefix + "_PSM, 0, 0, " + prefix + "_SWIZZLED);\r\n").c_str());
    text.Append((" *   sceGuTexImage(0, " + prefix + "_TEXTURE_WIDTH, " + prefix + "_TEXTURE_HEIGHT, " + prefix +
                 "_BUFFER_WIDTH, " + name + ");\r\n */\r\n\r\n")
                    .c_str());
    text.Append(("extern " + ArrayDeclarator(request.m_bAddConst, layout.eFormat, name) + ";\r\n").c_str());
    if (bIndexed) {
        text.Append(
            ("extern " + ArrayDeclarator(request.m_bAddConst, texture.eClutFormat, name + "_clut") + ";\r\n").c_str());
    }
    text.Append("\r\n#endif\r\n");
    return text.Flush();
}

WriteOutcome WriteTextureFiles(const TextureRequest& request, const EncodedTexture& texture)
{
    WriteOutcome outcome;
    WriteFileAtomically(
        request.strStem + ".c", [&](ByteSink& sink) { return FormatTextureSource(sink, request, texture); },
        &outcome);
    WriteFileAtomically(
        request.strStem + ".h", [&](ByteSink& sink) { return FormatTextureHeader(sink, request, texture); },
        &outcome);
    if (!request.m_bWriteBinary)
        return outcome;
    WriteFileAtomically(
        request.strStem + ".bin",
        [&](ByteSink& sink) {
            return WriteBytes(sink, texture.texels.Data(), static_cast<std::size_t>(texture.layout.nBytes));
        },
        &outcome);
    if (IsIndexFormat(texture.layout.eFormat)) {
        WriteFileAtomically(
            request.strStem + "_clut.bin",
            [&](ByteSink& sink) { return WriteBytes(sink, texture.clut.data(), texture.clut.size()); }, &outcome);
    }
    return outcome;
}

bool FormatImageHeader(ByteSink& sink, const CString& strIdentifier, int bAddConst, int nBitCount, int nWidth,
                       int nHeight)
{
    const std::string name = strIdentifier.Str();
    const std::string prefix = MacroPrefix(strIdentifier);
    const std::string qualifier = bAddConst ? "extern const " : "extern ";
    TextBuffer text(sink);
    text.Append("// bitmap image for PSP\r\n");
    text.Append(("#ifndef " + prefix + "_H\r\n#define " + prefix + "_H\r\n\r\n").c_str());
    AppendDefine(text, prefix, "WIDTH", nWidth);
    AppendDefine(text, prefix, "HEIGHT", nHeight);
    text.Append("\r\n");
    if (nBitCount == 8) {
        text.Append((qualifier + "unsigned short " + name + "_palette[];\r\n").c_str());
        text.Append((qualifier + "unsigned char " + name + "[];\r\n").c_str());
    } else {
        text.Append((qualifier + "unsigned short " + name + "[];\r\n").c_str());
        if (nBitCount == 32)
            text.Append((qualifier + "unsigned char " + name + "_alpha[];\r\n").c_str());
    }
    text.Append("\r\n#endif\r\n");
    return text.Flush();
}

CString HeaderPathFor(const CString& strSourcePath)
{
    // The default output's name always ends in ".c".
    return strSourcePath.Left(strSourcePath.GetLength() - 2) + ".h";
}

}  // namespace zandrel

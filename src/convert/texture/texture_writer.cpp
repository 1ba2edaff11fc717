// The texture's .c, .h and .bin files.
#include "convert/texture/texture_writer.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "convert/output/output_set.h"
#include "convert/output/c_text.h"
#include "convert/output/text_buffer.h"

namespace zandrel {
namespace {

const char* ElementType(TextureFormat eFormat)
{
    switch (BitsPerPixel(eFormat)) {
    case 32: return "unsigned int";
    case 16: return "unsigned short";
    default: return "unsigned char";
    }
}

int ElementBytes(TextureFormat eFormat)
{
    return std::max(1, BitsPerPixel(eFormat) / 8);
}

// "const unsigned short name[2048] __attribute__((aligned(16)))", the GE's
// alignment for textures and CLUTs alike; the .c leaves the size to its
// elements ([]), the header gives it so that sizeof works there.
std::string ArrayDeclarator(bool bAddConst, TextureFormat eFormat, const std::string& name, std::int64_t nBytes = 0)
{
    const std::int64_t nElements = nBytes / ElementBytes(eFormat);
    return std::string(bAddConst ? "const " : "") + ElementType(eFormat) + " " + name + "[" +
           (nElements > 0 ? std::to_string(nElements) : std::string()) + "] __attribute__((aligned(16)))";
}

// Lines of nLineBytes stored bytes, as elements of the format's width.
void AppendStoredLines(TextBuffer& text, TextureFormat eFormat, const std::uint8_t* pBytes, std::int64_t nBytes,
                       std::int64_t nLineBytes)
{
    const int nElementBytes = ElementBytes(eFormat);
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

// The colour table's array, one 32-byte block (the unit the GE loads) a line.
void AppendClutArray(TextBuffer& text, bool bAddConst, const EncodedTexture& texture, const std::string& name)
{
    char szLine[100];
    std::snprintf(szLine, sizeof szLine, "// colour table: format %s, entries = %d\r\n",
                  TextureFormatName(texture.eClutFormat), texture.nClutEntries);
    text.Append(szLine);
    text.Append((ArrayDeclarator(bAddConst, texture.eClutFormat, name) + "={\r\n").c_str());
    AppendStoredLines(text, texture.eClutFormat, texture.clut.data(), static_cast<std::int64_t>(texture.clut.size()),
                      32);
    text.Append("};\r\n");
}

void AppendTexelArray(TextBuffer& text, bool bAddConst, const TextureLayout& layout, const LargeBuffer& texels,
                      const std::string& name)
{
    text.Append((ArrayDeclarator(bAddConst, layout.eFormat, name) + "={\r\n").c_str());
    // DXT: one row of 4 x 4 blocks a line.
    const std::int64_t nLineBytes = IsDxtFormat(layout.eFormat) ? layout.nRowBytes * 4 : layout.nRowBytes;
    AppendStoredLines(text, layout.eFormat, texels.Data(), layout.nBytes, nLineBytes);
    text.Append("};\r\n");
}

// Level n's array: <name>_mip<n>.
std::string MipName(const std::string& name, std::size_t nLevel)
{
    return name + "_mip" + std::to_string(nLevel);
}

// The texels' arrays, level 0 and the mip levels, and for index formats the
// CLUT's after them.
void AppendTextureArrays(TextBuffer& text, bool bAddConst, const EncodedTexture& texture, const std::string& name,
                         const std::string& clutName)
{
    AppendTexelArray(text, bAddConst, texture.layout, texture.texels, name);
    for (std::size_t i = 0; i < texture.mips.size(); ++i) {
        text.Append("\r\n\r\n");
        AppendTexelArray(text, bAddConst, texture.mips[i].layout, texture.mips[i].texels, MipName(name, i + 1));
    }
    if (clutName.empty())
        return;
    text.Append("\r\n\r\n");
    AppendClutArray(text, bAddConst, texture, clutName);
}

// "// width = 16, height = 8, format 8888, buffer width = 16, stored rows = 8"
void AppendLayoutComment(TextBuffer& text, const TextureLayout& layout)
{
    char szLine[200];
    std::snprintf(szLine, sizeof szLine,
                  "// width = %lld, height = %lld, format %s, buffer width = %lld, stored rows = %lld%s\r\n",
                  static_cast<long long>(layout.nWidth), static_cast<long long>(layout.nHeight),
                  TextureFormatName(layout.eFormat), static_cast<long long>(layout.nBufferWidth),
                  static_cast<long long>(layout.nStoredRows), layout.bSwizzled ? ", swizzled" : "");
    text.Append(szLine);
}

bool FormatTextureSource(ByteSink& sink, const OutputNames& names, bool bAddConst, const EncodedTexture& texture,
                         const OutputNames* pSharedClut)
{
    const std::string name = names.strArrayName.Str();
    TextBuffer text(sink);
    text.Append("// texture for the PSP's graphics engine\r\n");
    AppendLayoutComment(text, texture.layout);
    for (const MipLevel& level : texture.mips)
        AppendLayoutComment(text, level.layout);
    text.Append("#include \"");
    text.Append(names.strStem + ".h");
    text.Append("\"\r\n\r\n");
    const bool bOwnClut = IsIndexFormat(texture.layout.eFormat) && !pSharedClut;
    AppendTextureArrays(text, bAddConst, texture, name, bOwnClut ? name + "_clut" : "");
    return text.Flush();
}

void AppendLayoutMacros(TextBuffer& text, const std::string& prefix, const TextureLayout& layout)
{
    AppendDefine(text, prefix, "WIDTH", layout.nWidth);
    AppendDefine(text, prefix, "HEIGHT", layout.nHeight);
    AppendDefine(text, prefix, "TEXTURE_WIDTH", layout.nTextureWidth);
    AppendDefine(text, prefix, "TEXTURE_HEIGHT", layout.nTextureHeight);
    AppendDefine(text, prefix, "STORED_HEIGHT", layout.nStoredRows);
    AppendDefine(text, prefix, "BUFFER_WIDTH", layout.nBufferWidth);
    AppendDefine(text, prefix, "PSM", static_cast<int>(layout.eFormat));
    AppendDefine(text, prefix, "SWIZZLED", layout.bSwizzled ? 1 : 0);
    AppendDefine(text, prefix, "BYTES", layout.nBytes);
}

// <PREFIX>_LEVELS and each level's sizes, with its offset in the .bin, where
// the levels follow level 0 in order (each a whole number of 16 bytes, so
// each starts 16-byte aligned).
void AppendMipMacros(TextBuffer& text, const std::string& prefix, const EncodedTexture& texture)
{
    AppendDefine(text, prefix, "LEVELS", static_cast<long long>(texture.mips.size() + 1));
    std::int64_t nOffset = texture.layout.nBytes;
    for (std::size_t i = 0; i < texture.mips.size(); ++i) {
        const TextureLayout& layout = texture.mips[i].layout;
        const std::string level = prefix + "_MIP" + std::to_string(i + 1);
        AppendDefine(text, level, "WIDTH", layout.nWidth);
        AppendDefine(text, level, "HEIGHT", layout.nHeight);
        AppendDefine(text, level, "TEXTURE_WIDTH", layout.nTextureWidth);
        AppendDefine(text, level, "TEXTURE_HEIGHT", layout.nTextureHeight);
        AppendDefine(text, level, "BUFFER_WIDTH", layout.nBufferWidth);
        AppendDefine(text, level, "BYTES", layout.nBytes);
        AppendDefine(text, level, "OFFSET", nOffset);
        nOffset += layout.nBytes;
    }
}

void AppendClutMacros(TextBuffer& text, const std::string& prefix, const EncodedTexture& texture)
{
    AppendDefine(text, prefix, "CLUT_PSM", static_cast<int>(texture.eClutFormat));
    AppendDefine(text, prefix, "CLUT_ENTRIES", texture.nClutEntries);
    AppendDefine(text, prefix, "CLUT_COLORS", texture.nClutColors);
    AppendDefine(text, prefix, "CLUT_BLOCKS", static_cast<long long>(texture.clut.size() / 32));
    AppendDefine(text, prefix, "CLUT_BYTES", static_cast<long long>(texture.clut.size()));
}

// The sceGu calls that draw with a texture of nMips levels below level 0:
// texPrefix names its macros, name its array.
void AppendDrawingComment(TextBuffer& text, const std::string& clutPrefix, const std::string& clutName,
                          const std::string& texPrefix, const std::string& name, std::size_t nMips = 0)
{
    text.Append("\r\n/* Drawing with it:\r\n");
    if (!clutName.empty()) {
        text.Append((" *   sceGuClutMode(" + clutPrefix + "_CLUT_PSM, 0, 0xFF, 0);\r\n").c_str());
        text.Append((" *   sceGuClutLoad(" + clutPrefix + "_CLUT_BLOCKS, " + clutName + ");\r\n").c_str());
    }
    const std::string levels = nMips ? texPrefix + "_LEVELS - 1" : "0";
    text.Append((" *   sceGuTexMode(" + texPrefix + "_PSM, " + levels + ", 0, " + texPrefix + "_SWIZZLED);\r\n").c_str());
    if (nMips)
        text.Append(" *   sceGuTexLevelMode(GU_TEXTURE_AUTO, 0.0f);\r\n");
    for (std::size_t i = 0; i <= nMips; ++i) {
        const std::string level = i ? texPrefix + "_MIP" + std::to_string(i) : texPrefix;
        text.Append((" *   sceGuTexImage(" + std::to_string(i) + ", " + level + "_TEXTURE_WIDTH, " + level +
                     "_TEXTURE_HEIGHT, " + level + "_BUFFER_WIDTH, " + (i ? MipName(name, i) : name) + ");\r\n")
                        .c_str());
    }
    text.Append(" */\r\n\r\n");
}

void AppendClutExtern(TextBuffer& text, bool bAddConst, const EncodedTexture& texture, const std::string& clutName)
{
    const auto nClutBytes = static_cast<std::int64_t>(texture.clut.size());
    text.Append(("extern " + ArrayDeclarator(bAddConst, texture.eClutFormat, clutName, nClutBytes) + ";\r\n").c_str());
}

bool FormatTextureHeader(ByteSink& sink, const OutputNames& names, bool bAddConst, const EncodedTexture& texture,
                         const OutputNames* pSharedClut)
{
    const TextureLayout& layout = texture.layout;
    const std::string name = names.strArrayName.Str();
    const std::string prefix = MacroPrefix(names.strArrayName);
    const bool bIndexed = IsIndexFormat(layout.eFormat);
    const bool bShared = bIndexed && pSharedClut;
    const std::string clutName = bShared ? pSharedClut->strArrayName.Str() : name + "_clut";
    TextBuffer text(sink);
    text.Append("// texture for the PSP's graphics engine\r\n");
    AppendGuardOpening(text, prefix);
    if (bShared)
        text.Append(("#include \"" + std::string(pSharedClut->strStem.Str()) + ".h\"\r\n\r\n").c_str());
    AppendLayoutMacros(text, prefix, layout);
    if (!texture.mips.empty())
        AppendMipMacros(text, prefix, texture);
    if (bShared) {
        const std::string shared = MacroPrefix(pSharedClut->strArrayName);
        for (const char* pszMacro : {"CLUT_PSM", "CLUT_ENTRIES", "CLUT_COLORS", "CLUT_BLOCKS", "CLUT_BYTES"})
            text.Append(("#define " + prefix + "_" + pszMacro + " " + shared + "_" + pszMacro + "\r\n").c_str());
    } else if (bIndexed) {
        AppendClutMacros(text, prefix, texture);
    }
    AppendDrawingComment(text, prefix, bIndexed ? clutName : "", prefix, name, texture.mips.size());
    text.Append(("extern " + ArrayDeclarator(bAddConst, layout.eFormat, name, layout.nBytes) + ";\r\n").c_str());
    for (std::size_t i = 0; i < texture.mips.size(); ++i) {
        const TextureLayout& level = texture.mips[i].layout;
        text.Append(("extern " + ArrayDeclarator(bAddConst, level.eFormat, MipName(name, i + 1), level.nBytes) +
                     ";\r\n").c_str());
    }
    if (bIndexed && !bShared)
        AppendClutExtern(text, bAddConst, texture, clutName);
    AppendGuardClosing(text);
    return text.Flush();
}

// The pages' names: the atlas's own for one page, <name>_page<n> for more.
std::string PageName(const std::string& name, std::size_t nPages, std::size_t nPage)
{
    return nPages == 1 ? name : name + "_page" + std::to_string(nPage);
}

bool FormatPagesSource(ByteSink& sink, const OutputNames& names, bool bAddConst, const TexturePages& pages)
{
    const std::string name = names.strArrayName.Str();
    const std::size_t nPages = pages.pages.size();
    TextBuffer text(sink);
    text.Append("// texture atlas for the PSP's graphics engine\r\n");
    for (const EncodedTexture& page : pages.pages)
        AppendLayoutComment(text, page.layout);
    text.Append("#include \"");
    text.Append(names.strStem + ".h");
    text.Append("\"\r\n");
    for (std::size_t i = 0; i < nPages; ++i) {
        text.Append("\r\n");
        const bool bClut = i == 0 && IsIndexFormat(pages.pages[i].layout.eFormat);
        AppendTextureArrays(text, bAddConst, pages.pages[i], PageName(name, nPages, i), bClut ? name + "_clut" : "");
    }
    return text.Flush();
}

bool FormatPagesHeader(ByteSink& sink, const OutputNames& names, bool bAddConst, const TexturePages& pages)
{
    const std::string name = names.strArrayName.Str();
    const std::string prefix = MacroPrefix(names.strArrayName);
    const std::size_t nPages = pages.pages.size();
    const EncodedTexture& first = pages.pages.front();
    const bool bIndexed = IsIndexFormat(first.layout.eFormat);
    TextBuffer text(sink);
    text.Append("// texture atlas for the PSP's graphics engine\r\n");
    AppendGuardOpening(text, prefix);
    text.Append(pages.includes.c_str());
    AppendDefine(text, prefix, "PAGES", static_cast<long long>(nPages));
    for (std::size_t i = 0; i < nPages; ++i)
        AppendLayoutMacros(text, MacroPrefix(CString(PageName(name, nPages, i))), pages.pages[i].layout);
    if (bIndexed)
        AppendClutMacros(text, prefix, first);
    AppendDrawingComment(text, prefix, bIndexed ? name + "_clut" : "", MacroPrefix(CString(PageName(name, nPages, 0))),
                         PageName(name, nPages, 0));
    for (std::size_t i = 0; i < nPages; ++i) {
        const TextureLayout& layout = pages.pages[i].layout;
        text.Append(("extern " + ArrayDeclarator(bAddConst, layout.eFormat, PageName(name, nPages, i), layout.nBytes) +
                     ";\r\n").c_str());
    }
    if (bIndexed)
        AppendClutExtern(text, bAddConst, first, name + "_clut");
    text.Append(pages.declarations.c_str());
    AppendGuardClosing(text);
    return text.Flush();
}

}  // namespace

WriteOutcome WriteTextureFiles(const OutputNames& names, const TextureOptions& options, const EncodedTexture& texture,
                               const OutputNames* pSharedClut)
{
    COutputSet set(true);
    set.Add(
        names.PathOf(".c"),
        [&](ByteSink& sink) { return FormatTextureSource(sink, names, options.bAddConst, texture, pSharedClut); });
    set.Add(
        names.PathOf(".h"),
        [&](ByteSink& sink) { return FormatTextureHeader(sink, names, options.bAddConst, texture, pSharedClut); });
    if (!options.bWriteBinary)
        return set.Finish();
    set.Add(
        names.PathOf(".bin"),
        [&](ByteSink& sink) {
            bool bWritten = WriteBytes(sink, texture.texels.Data(), static_cast<std::size_t>(texture.layout.nBytes));
            for (const MipLevel& level : texture.mips)
                bWritten = bWritten && WriteBytes(sink, level.texels.Data(), static_cast<std::size_t>(level.layout.nBytes));
            return bWritten;
        });
    if (IsIndexFormat(texture.layout.eFormat) && !pSharedClut) {
        set.Add(
            names.PathOf("_clut.bin"),
            [&](ByteSink& sink) { return WriteBytes(sink, texture.clut.data(), texture.clut.size()); });
    }
    return set.Finish();
}

WriteOutcome WriteTexturePageFiles(const OutputNames& names, const TextureOptions& options, const TexturePages& pages)
{
    COutputSet set(true);
    if (pages.pages.empty())
        return set.Finish();
    set.Add(names.PathOf(".c"),
            [&](ByteSink& sink) { return FormatPagesSource(sink, names, options.bAddConst, pages); });
    set.Add(names.PathOf(".h"),
            [&](ByteSink& sink) { return FormatPagesHeader(sink, names, options.bAddConst, pages); });
    const std::size_t nPages = pages.pages.size();
    for (std::size_t i = 0; options.bWriteBinary && i < nPages; ++i) {
        const EncodedTexture& page = pages.pages[i];
        const std::string ending = (nPages == 1 ? std::string() : "_page" + std::to_string(i)) + ".bin";
        set.Add(names.PathOf(ending.c_str()), [&](ByteSink& sink) {
            return WriteBytes(sink, page.texels.Data(), static_cast<std::size_t>(page.layout.nBytes));
        });
    }
    const EncodedTexture& first = pages.pages.front();
    if (options.bWriteBinary && IsIndexFormat(first.layout.eFormat)) {
        set.Add(names.PathOf("_clut.bin"),
                [&](ByteSink& sink) { return WriteBytes(sink, first.clut.data(), first.clut.size()); });
    }
    for (const ExtraFile& extra : pages.extras) {
        set.Add(extra.strPath, [&](ByteSink& sink) {
            return WriteBytes(sink, reinterpret_cast<const std::uint8_t*>(extra.bytes.data()), extra.bytes.size());
        });
    }
    return set.Finish();
}

WriteOutcome WriteSharedClutFiles(const OutputNames& names, const TextureOptions& options, const EncodedTexture& clut)
{
    const std::string name = names.strArrayName.Str();
    const std::string prefix = MacroPrefix(names.strArrayName);
    COutputSet set(true);
    set.Add(names.PathOf(".c"), [&](ByteSink& sink) {
        TextBuffer text(sink);
        text.Append("// colour table for the PSP's graphics engine, shared by textures\r\n#include \"");
        text.Append(names.strStem + ".h");
        text.Append("\"\r\n\r\n");
        AppendClutArray(text, options.bAddConst, clut, name);
        return text.Flush();
    });
    set.Add(names.PathOf(".h"), [&](ByteSink& sink) {
        TextBuffer text(sink);
        text.Append("// colour table for the PSP's graphics engine, shared by textures\r\n");
        AppendGuardOpening(text, prefix);
        AppendClutMacros(text, prefix, clut);
        text.Append("\r\n/* Loading it:\r\n");
        text.Append((" *   sceGuClutMode(" + prefix + "_CLUT_PSM, 0, 0xFF, 0);\r\n").c_str());
        text.Append((" *   sceGuClutLoad(" + prefix + "_CLUT_BLOCKS, " + name + ");\r\n */\r\n\r\n").c_str());
        text.Append(("extern " + ArrayDeclarator(options.bAddConst, clut.eClutFormat, name,
                                                 static_cast<std::int64_t>(clut.clut.size())) + ";\r\n").c_str());
        AppendGuardClosing(text);
        return text.Flush();
    });
    if (options.bWriteBinary)
        set.Add(names.PathOf(".bin"), [&](ByteSink& sink) { return WriteBytes(sink, clut.clut.data(), clut.clut.size()); });
    return set.Finish();
}

}  // namespace zandrel

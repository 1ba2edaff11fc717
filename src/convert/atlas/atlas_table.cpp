// The atlas table's C declarations and JSON, one row a line.
#include "convert/atlas/atlas_table.h"

#include <algorithm>
#include <cstdio>

#include "convert/output/c_text.h"

namespace zandrel {
namespace {

std::string PageArray(const std::string& name, std::size_t nPages, std::size_t nPage)
{
    return nPages == 1 ? name : name + "_page" + std::to_string(nPage);
}

bool IsTrimmed(const AtlasEntry& e)
{
    return e.nOffsetX != 0 || e.nOffsetY != 0 || e.w != e.nSourceWidth || e.h != e.nSourceHeight;
}

// A JSON string: quotes and backslashes escaped, control bytes as \u00XX,
// other bytes as they are.
std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char ch : text) {
        const auto n = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += ch;
        } else if (n < 0x20 || n == 0x7F) {
            char szEscape[8];
            std::snprintf(szEscape, sizeof szEscape, "\\u%04x", n);
            quoted += szEscape;
        } else {
            quoted += ch;
        }
    }
    return quoted + "\"";
}

std::string Size(int w, int h)
{
    return "{\"w\": " + std::to_string(w) + ", \"h\": " + std::to_string(h) + "}";
}

}  // namespace

bool IsAtlasOwnName(const std::string& id, const std::string& name, std::size_t nPages)
{
    const std::string prefix = MacroPrefix(CString(name));
    std::vector<std::string> own = {name + "_clut", name + "_sprite_t", name + "_sprite_table", name + "_sprite_id",
                                    prefix + "_H", prefix + "_PAGES", prefix + "_SPRITES"};
    for (const char* pszMacro : {"CLUT_PSM", "CLUT_ENTRIES", "CLUT_BLOCKS", "CLUT_BYTES"})
        own.push_back(prefix + "_" + pszMacro);
    for (std::size_t i = 0; i < nPages; ++i) {
        const std::string page = PageArray(name, nPages, i);
        own.push_back(page);
        for (const char* pszMacro : {"WIDTH", "HEIGHT", "TEXTURE_WIDTH", "TEXTURE_HEIGHT", "STORED_HEIGHT",
                                     "BUFFER_WIDTH", "PSM", "SWIZZLED", "BYTES"})
            own.push_back(MacroPrefix(CString(page)) + "_" + pszMacro);
    }
    return std::find(own.begin(), own.end(), id) != own.end();
}

std::string AtlasTableDeclarations(const std::string& name, const std::vector<AtlasRow>& rows)
{
    const std::string count = std::to_string(rows.size());
    std::string text =
        "\r\n/* One row a sprite: its texels are w x h at x, y of page `page` (texel units,\r\n"
        " * so the UVs of its corners are x, y and x + w, y + h); it was cut offset_x,\r\n"
        " * offset_y into a source image of source_w x source_h (0, 0 and w x h when\r\n"
        " * not trimmed). */\r\n"
        "typedef struct " + name + "_sprite_t {\r\n"
        "    uint16_t page;\r\n"
        "    uint16_t x, y, w, h;\r\n"
        "    uint32_t offset_x, offset_y;\r\n"
        "    uint32_t source_w, source_h;\r\n"
        "} " + name + "_sprite_t;\r\n\r\n"
        "enum " + name + "_sprite_id {\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += "    " + rows[i].id + " = " + std::to_string(i) + ",\r\n";
    text += "};\r\n#define " + MacroPrefix(CString(name)) + "_SPRITES " + count + "\r\n\r\n";
    text += "static const " + name + "_sprite_t " + name + "_sprite_table[" + count + "] __attribute__((unused)) = {\r\n";
    for (const AtlasRow& row : rows) {
        const AtlasEntry& e = row.entry;
        char szRow[160];
        std::snprintf(szRow, sizeof szRow, "    {%d, %d, %d, %d, %d, %d, %d, %d, %d},  /* ", e.nPage, e.x, e.y, e.w,
                      e.h, e.nOffsetX, e.nOffsetY, e.nSourceWidth, e.nSourceHeight);
        text += szRow + row.id + " */\r\n";
    }
    return text + "};\r\n";
}

std::string AtlasJson(const std::string& name, const char* pszFormat, const std::vector<AtlasPage>& pages,
                      const std::vector<AtlasRow>& rows)
{
    std::string text = "{\r\n  \"frames\": {\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const AtlasEntry& e = rows[i].entry;
        text += "    " + JsonString(rows[i].key) + ": {\"frame\": {\"x\": " + std::to_string(e.x) +
                ", \"y\": " + std::to_string(e.y) + ", \"w\": " + std::to_string(e.w) + ", \"h\": " +
                std::to_string(e.h) + "}, \"rotated\": false, \"trimmed\": " + (IsTrimmed(e) ? "true" : "false") +
                ", \"spriteSourceSize\": {\"x\": " + std::to_string(e.nOffsetX) + ", \"y\": " +
                std::to_string(e.nOffsetY) + ", \"w\": " + std::to_string(e.w) + ", \"h\": " + std::to_string(e.h) +
                "}, \"sourceSize\": " + Size(e.nSourceWidth, e.nSourceHeight) + ", \"page\": " +
                std::to_string(e.nPage) + "}" + (i + 1 < rows.size() ? "," : "") + "\r\n";
    }
    text += "  },\r\n  \"meta\": {\r\n    \"app\": \"zandrel-cli\",\r\n    \"format\": " + JsonString(pszFormat) +
            ",\r\n    \"image\": " + JsonString(PageArray(name, pages.size(), 0)) + ",\r\n    \"size\": " +
            Size(pages.front().nWidth, pages.front().nHeight) + ",\r\n    \"scale\": \"1\",\r\n    \"pages\": [\r\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        text += "      {\"image\": " + JsonString(PageArray(name, pages.size(), i)) + ", \"size\": " +
                Size(pages[i].nWidth, pages[i].nHeight) + "}" + (i + 1 < pages.size() ? "," : "") + "\r\n";
    }
    return text + "    ]\r\n  }\r\n}\r\n";
}

}  // namespace zandrel

// The table of an atlas as text: the C declarations its header holds (row
// type, sprite ids, the static table) and the JSON frames game tools read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "convert/atlas/atlas_packer.h"

namespace zandrel {

// One sprite's row, in the table's order.
struct AtlasRow {
    std::string id;    // its enum constant: <name>_<C identifier of the sprite>
    std::string key;   // its key in the JSON frames: the file name (with _<tile> before the extension)
    AtlasEntry entry;
};

// Whether id is a name the header gives something else: an array, the row
// type, a macro of the pages or the CLUT, the include guard.
bool IsAtlasOwnName(const std::string& id, const std::string& name, std::size_t nPages);

// The row type <name>_sprite_t, enum <name>_sprite_id, <NAME>_SPRITES and the
// table <name>_sprite_table, CR LF.
std::string AtlasTableDeclarations(const std::string& name, const std::vector<AtlasRow>& rows);

// The JSON document: frames keyed by row key (the page in "page"), then meta
// with the format and each page's array and size, CR LF.
std::string AtlasJson(const std::string& name, const char* pszFormat, const std::vector<AtlasPage>& pages,
                      const std::vector<AtlasRow>& rows);

}  // namespace zandrel

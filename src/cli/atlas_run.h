// zandrel-cli --atlas: every FILE packed into the pages of one texture atlas,
// written as NAME.c and NAME.h (and the .bin files and JSON asked for), all
// of them or nothing.
#pragma once

#include <cstdio>
#include <vector>

#include "convert/atlas/atlas_packer.h"
#include "convert/output/names.h"
#include "convert/texture/texture_options.h"
#include "framework/cstring.h"

namespace zandrel {

struct AtlasArguments {
    const char* pszName = nullptr;  // --atlas NAME: a C identifier
    AtlasOptions pack;              // page size, padding, extrusion; the alignment comes from the format
    bool bTrim = false;
    int nTileWidth = 0, nTileHeight = 0;  // --tiles; 0: each file one sprite
    bool bKeepEmpty = false;
    const char* pszJson = nullptr;        // --atlas-json FILE, as given
};

// Reads every file (sorted bytewise by the names as given, repeats dropped), cuts,
// trims, packs and encodes them, then writes the atlas; a refused file or
// sprite, or clashing names, refuse the whole atlas before anything is
// written. An exit status of cli.h.
int RunAtlas(const AtlasArguments& atlas, const std::vector<const char*>& files, const NamingOptions& naming,
             const TextureOptions& texture, std::FILE* out, std::FILE* err);

}  // namespace zandrel

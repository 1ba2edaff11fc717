// RunAtlas: inputs named and read, sprites cut and trimmed, the atlas packed,
// encoded and written, each refusal said once.
#include "cli/atlas_run.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <utility>

#include "cli/cli.h"
#include "convert/atlas/atlas_pages.h"
#include "convert/atlas/atlas_table.h"
#include "convert/atlas/sprite_sheet.h"
#include "convert/atlas/sprite_source.h"
#include "convert/atlas/sprite_trim.h"
#include "convert/image_file.h"
#include "convert/texture/texture_writer.h"
#include "framework/file_system.h"

namespace zandrel {
namespace {

// One input: its path, the sprite id its base name gives and its JSON key.
struct AtlasInput {
    CString strPath;
    std::string ident;  // the base name as a C identifier
    std::string base;   // the base name (file name before its last dot)
    std::string file;   // the file name, folders cut
};

std::string Reason(Refusal eRefusal, int nDetail)
{
    if (eRefusal == Refusal::kUnsupportedDepth && nDetail > 0)
        return std::to_string(nDetail) + " bits per pixel (only 8, 24 and 32 are converted)";
    if (eRefusal == Refusal::kCannotOpen && nDetail != 0)
        return std::string(DescribeRefusal(eRefusal)) + ": " + DescribeSystemError(nDetail);
    if (eRefusal == Refusal::kBufferTooWide || eRefusal == Refusal::kTextureIndexTooLarge)
        return std::string(DescribeRefusal(eRefusal)) + " (" + std::to_string(nDetail) + ")";
    return DescribeRefusal(eRefusal);
}

class CAtlasRun {
public:
    CAtlasRun(const AtlasArguments& atlas, const NamingOptions& naming, const TextureOptions& texture,
              std::FILE* out, std::FILE* err)
        : m_atlas(atlas), m_texture(texture), m_name(atlas.pszName), m_out(out), m_err(err)
    {
        NamingOptions atlasNaming;
        atlasNaming.strOutdir = naming.strOutdir;
        atlasNaming.strName = CString(atlas.pszName);
        m_names = DeriveOutputNames(CString(atlas.pszName), atlasNaming, m_style);
    }

    bool Run(const std::vector<const char*>& files)
    {
        if (!PlanInputs(files) || !ReadSprites())
            return false;
        AtlasOptions pack = m_atlas.pack;
        pack.nAlignment = AtlasAlignment(m_texture.eFormat);
        const PackedAtlas atlas = PackAtlas(m_sprites.colour, pack);
        if (atlas.problem.Refused())
            return Refuse(FileOfSprite(atlas.problem.strSprite), DescribeAtlasProblem(atlas.problem));
        std::vector<AtlasRow> rows;
        for (std::size_t i = 0; i < m_sprites.colour.size(); ++i) {
            rows.push_back(AtlasRow{m_name + "_" + m_sprites.colour[i].name, m_keys[i], atlas.entries[i]});
            if (IsAtlasOwnName(rows.back().id, m_name, atlas.pages.size()))
                return Refuse(FileOfSprite(m_sprites.colour[i].name),
                              "its sprite id " + rows.back().id + " is a name the atlas header uses itself");
        }
        TexturePages pages;
        int nDetail = 0;
        const Refusal eRefusal = EncodeAtlasPages(m_sprites, atlas, m_texture, &pages.pages, &nDetail);
        if (eRefusal != Refusal::kNone)
            return Refuse(m_name, Reason(eRefusal, nDetail));
        pages.includes = "#include <stdint.h>\r\n\r\n";
        pages.declarations = AtlasTableDeclarations(m_name, rows);
        if (m_atlas.pszJson) {
            pages.extras.push_back(ExtraFile{NativePathOf(m_atlas.pszJson),
                                             AtlasJson(m_name, TextureFormatName(m_texture.eFormat), atlas.pages,
                                                       rows)});
            if (!CheckJsonPath(pages.pages.size()))
                return false;
        }
        return Report(WriteTexturePageFiles(m_names, m_texture, pages));
    }

private:
    static CString NativePathOf(const char* psz)
    {
        std::string path(psz);
#ifdef _WIN32
        std::replace(path.begin(), path.end(), '/', '\\');
#endif
        return CString(std::move(path));
    }

    // Says why the atlas is not written; false.
    bool Refuse(const std::string& subject, const std::string& reason)
    {
        std::fprintf(m_err, "zandrel-cli: %s: refused: %s; atlas %s not written\n", subject.c_str(), reason.c_str(),
                     m_name.c_str());
        return false;
    }

    // Sorted by the names as given (before '/' becomes '\\' on Windows, which
    // sorts differently), repeats dropped, ids checked before any file is read.
    bool PlanInputs(const std::vector<const char*>& files)
    {
        std::vector<std::string> sorted(files.begin(), files.end());
        std::sort(sorted.begin(), sorted.end());
        NamingOptions plain;
        plain.bAddPrefix = false;
        for (const std::string& given : sorted) {
            const CString path = NativePathOf(given.c_str());
            if (std::any_of(m_inputs.begin(), m_inputs.end(),
                            [&](const AtlasInput& input) { return IsSamePath(input.strPath, path, m_style); }))
                continue;
            const OutputNames names = DeriveOutputNames(path, plain, m_style);
            AtlasInput input{path, names.strArrayName.Str(), names.strStem.Str(),
                             path.Str().substr(names.strFolder.Str().size())};
            if (!Claim(input.ident, path.Str()))
                return false;
            m_inputs.push_back(std::move(input));
        }
        return true;
    }

    // The sprite id is the file's (or tile's) alone; false, said, when another file has it.
    bool Claim(const std::string& ident, const std::string& file)
    {
        const auto claim = m_owners.emplace(ident, file);
        if (claim.second)
            return true;
        std::fprintf(m_err, "zandrel-cli: %s and %s both give the sprite %s_%s; atlas %s not written\n",
                     claim.first->second.c_str(), file.c_str(), m_name.c_str(), ident.c_str(), m_name.c_str());
        return false;
    }

    std::string FileOfSprite(const std::string& ident) const
    {
        const auto owner = m_owners.find(ident);
        return owner == m_owners.end() ? m_name : owner->second;
    }

    bool ReadSprites()
    {
        bool bSharedPalette = IsIndexFormat(m_texture.eFormat);
        for (const AtlasInput& input : m_inputs) {
            DecodedImage image;
            int nDetail = 0;
            Refusal eRefusal = DecodeImageFile(input.strPath, kTextureInputs, &image, &nDetail);
            if (eRefusal == Refusal::kNone && image.eShape != ImageShape::kIndexed && m_texture.nTransparentIndex >= 0)
                eRefusal = Refusal::kTransparentIndexNeedsPalette;
            if (eRefusal != Refusal::kNone)
                return Refuse(input.strPath.Str(), Reason(eRefusal, nDetail));
            SpriteImage colour, indices;
            bSharedPalette = bSharedPalette && image.eShape == ImageShape::kIndexed &&
                             (&input == &m_inputs.front() ||
                              SamePalette(image.indexed, m_palette));
            if (!ColourTexels(image, m_texture, &colour) ||
                (bSharedPalette && !IndexTexels(image.indexed, colour, &indices)))
                return Refuse(input.strPath.Str(), DescribeRefusal(Refusal::kOutOfMemory));
            if (&input == &m_inputs.front() && bSharedPalette) {
                std::copy(image.indexed.colors, image.indexed.colors + 256, m_palette.colors);
                m_palette.nColorCount = image.indexed.nColorCount;
            }
            if (!AddSprites(input, std::move(colour), std::move(indices), bSharedPalette))
                return false;
        }
        if (bSharedPalette) {
            std::copy(m_palette.colors, m_palette.colors + 256, m_sprites.palette);
            m_sprites.nColorCount = m_palette.nColorCount;
        } else {
            m_sprites.indices.clear();
        }
        return true;
    }

    // The file's sprites, cut into tiles when asked and then trimmed.
    bool AddSprites(const AtlasInput& input, SpriteImage colour, SpriteImage indices, bool bSharedPalette)
    {
        std::vector<Sprite> colours, indexed;
        std::vector<std::string> keys;
        if (m_atlas.nTileWidth > 0) {
            const AtlasProblem problem = CutSpriteSheet(input.ident, colour, m_atlas.nTileWidth, m_atlas.nTileHeight,
                                                        m_atlas.bKeepEmpty, &colours);
            if (problem.Refused())
                return Refuse(input.strPath.Str(), DescribeAtlasProblem(problem));
            if (bSharedPalette)
                CutSpriteSheet(input.ident, indices, m_atlas.nTileWidth, m_atlas.nTileHeight, m_atlas.bKeepEmpty,
                               &indexed);
            const std::string ending = input.file.substr(input.base.size());
            for (const Sprite& sprite : colours) {
                if (!Claim(sprite.name, input.strPath.Str()))
                    return false;
                keys.push_back(input.base + sprite.name.substr(input.ident.size()) + ending);
            }
        } else {
            colours.push_back(MakeSprite(input.ident, std::move(colour)));
            if (bSharedPalette)
                indexed.push_back(MakeSprite(input.ident, std::move(indices)));
            keys.push_back(input.file);
        }
        for (std::size_t i = 0; i < colours.size(); ++i) {
            m_sprites.colour.push_back(m_atlas.bTrim ? TrimSprite(colours[i]) : std::move(colours[i]));
            if (bSharedPalette)
                m_sprites.indices.push_back(m_atlas.bTrim ? TrimSprite(indexed[i]) : std::move(indexed[i]));
            m_keys.push_back(keys[i]);
        }
        return true;
    }

    // The JSON file must be none of the atlas's other files nor an input.
    bool CheckJsonPath(std::size_t nPages)
    {
        const CString json = NativePathOf(m_atlas.pszJson);
        std::vector<CString> taken{m_names.PathOf(".c"), m_names.PathOf(".h"), m_names.PathOf(".bin"),
                                   m_names.PathOf("_clut.bin")};
        for (std::size_t i = 0; i < nPages; ++i)
            taken.push_back(m_names.PathOf(("_page" + std::to_string(i) + ".bin").c_str()));
        for (const AtlasInput& input : m_inputs)
            taken.push_back(input.strPath);
        const bool bTaken = std::any_of(taken.begin(), taken.end(),
                                        [&](const CString& path) { return IsSamePath(path, json, m_style); });
        if (bTaken)
            Refuse(m_atlas.pszJson, "--atlas-json would replace an input or another file of the atlas");
        return !bTaken;
    }

    bool Report(const WriteOutcome& outcome)
    {
        std::string written;
        for (const CString& path : outcome.written)
            written += (written.empty() ? "" : ", ") + path.Str();
        for (const WriteFailure& failure : outcome.failures) {
            std::fprintf(m_err, "zandrel-cli: %s: could not write %s: %s\n", m_name.c_str(),
                         failure.strPath.GetString(), failure.nErrno ? std::strerror(failure.nErrno) : "write failed");
        }
        if (!written.empty())
            std::fprintf(m_out, "%s: wrote %s\n", m_name.c_str(), written.c_str());
        return outcome.Succeeded();
    }

    const AtlasArguments& m_atlas;
    const TextureOptions& m_texture;
    const std::string m_name;
    std::FILE* m_out;
    std::FILE* m_err;
    const PathStyle m_style = PathStyle::Native();
    OutputNames m_names;
    std::vector<AtlasInput> m_inputs;
    std::map<std::string, std::string> m_owners;  // sprite identifier -> the file giving it
    AtlasSprites m_sprites;
    std::vector<std::string> m_keys;  // JSON keys, as m_sprites
    IndexedImage m_palette;  // the first input's colours, while every input shares them
};

}  // namespace

int RunAtlas(const AtlasArguments& atlas, const std::vector<const char*>& files, const NamingOptions& naming,
             const TextureOptions& texture, std::FILE* out, std::FILE* err)
{
    try {
        return CAtlasRun(atlas, naming, texture, out, err).Run(files) ? kExitAllConverted : kExitSomeFailed;
    } catch (const std::bad_alloc&) {
        std::fprintf(err, "zandrel-cli: %s: refused: %s; atlas %s not written\n", atlas.pszName,
                     DescribeRefusal(Refusal::kOutOfMemory), atlas.pszName);
        return kExitSomeFailed;
    }
}

}  // namespace zandrel

#include "art/module_pack.h"

#include <fstream>
#include <string>
#include <system_error>

#include "art/canvas.h"
#include "art/dib.h"
#include "art/resource_pack.h"

namespace art {
namespace {

std::string describe(const BitmapResource& b) {
    std::string s = "bitmap " + std::to_string(b.id);
    if (b.what) s += std::string(" (") + b.what + ")";
    return s;
}

std::string module_name(const ModuleArtwork& artwork) { return artwork.module ? artwork.module : "module"; }

std::string size_text(int64_t width, int64_t height, uint32_t bits) {
    return std::to_string(width) + "x" + std::to_string(height) + " at " + std::to_string(bits) + " bits";
}

const Drawing* drawing_for(const ModuleArtwork& artwork, uint32_t id) {
    for (const Drawing& d : artwork.drawings) {
        if (d.id == id) return &d;
    }
    return nullptr;
}

}  // namespace

void check_artwork(const ModuleArtwork& artwork) {
    const std::string module = artwork.module ? artwork.module : "module";
    auto fail = [&](const std::string& why) { throw ArtworkError(module + ": " + why); };
    for (size_t i = 0; i < artwork.bitmaps.size(); ++i) {
        const BitmapResource& b = artwork.bitmaps[i];
        for (size_t j = 0; j < i; ++j) {
            if (artwork.bitmaps[j].id == b.id) fail(describe(b) + " is declared twice");
        }
        if (b.bits != 8 && b.bits != 24) fail(describe(b) + " has " + std::to_string(b.bits) + " bits (8 or 24)");
        if (b.width < 1 || b.height < 1 || b.width > Canvas::kMaxSide || b.height > Canvas::kMaxSide) {
            fail(describe(b) + " has an unusable size " + std::to_string(b.width) + "x" + std::to_string(b.height));
        }
        if (!drawing_for(artwork, b.id)) fail(describe(b) + " is declared but has no drawing");
    }
    for (size_t i = 0; i < artwork.drawings.size(); ++i) {
        const Drawing& d = artwork.drawings[i];
        const std::string name = "drawing for bitmap " + std::to_string(d.id);
        for (size_t j = 0; j < i; ++j) {
            if (artwork.drawings[j].id == d.id) fail(name + " is given twice");
        }
        if (!d.draw) fail(name + " has no drawing routine");
        bool declared = false;
        for (const BitmapResource& b : artwork.bitmaps) declared = declared || b.id == d.id;
        if (!declared) fail(name + " has no declared bitmap");
    }
}

ModulePack build_module_pack(const ModuleArtwork& artwork) {
    check_artwork(artwork);
    ModulePack result;
    ResourcePack pack;
    for (const BitmapResource& b : artwork.bitmaps) {
        std::vector<uint8_t> dib;
        try {
            Canvas canvas(b.width, b.height);
            drawing_for(artwork, b.id)->draw(canvas);
            if (canvas.width() != b.width || canvas.height() != b.height) {
                throw ArtworkError(module_name(artwork) + ": " + describe(b) + " was drawn " +
                                   std::to_string(canvas.width()) + "x" + std::to_string(canvas.height()) +
                                   ", declared " + std::to_string(b.width) + "x" + std::to_string(b.height));
            }
            if (cairo_status(canvas.cr()) != CAIRO_STATUS_SUCCESS) {
                throw std::runtime_error(cairo_status_to_string(cairo_status(canvas.cr())));
            }
            dib = to_dib(canvas, b.bits);
        } catch (const ArtworkError&) {
            throw;
        } catch (const std::exception& e) {
            throw ArtworkError(module_name(artwork) + ": " + describe(b) + ": " + e.what());
        }
        pack.add(kResourceBitmap, b.id, dib);
        result.bitmaps.push_back({b.id, std::move(dib)});
    }
    pack.add(kResourceBitmapList, 1, bitmap_list_record(artwork.bitmaps));
    VersionInfo version;
    version.description = artwork.description ? artwork.description : "";
    pack.add(kResourceVersion, 1, version_record(version));
    result.bytes = pack.bytes();
    check_module_pack(artwork, result);
    return result;
}

void check_module_pack(const ModuleArtwork& artwork, const ModulePack& pack) {
    const std::string module = module_name(artwork);
    if (pack.bitmaps.size() != artwork.bitmaps.size()) {
        throw ArtworkError(module + ": the pack holds " + std::to_string(pack.bitmaps.size()) + " bitmaps, " +
                           std::to_string(artwork.bitmaps.size()) + " are declared");
    }
    for (size_t i = 0; i < artwork.bitmaps.size(); ++i) {
        const BitmapResource& b = artwork.bitmaps[i];
        const RenderedBitmap& stored = pack.bitmaps[i];
        if (stored.id != b.id) {
            throw ArtworkError(module + ": " + describe(b) + " is declared in place " + std::to_string(i + 1) +
                               ", the pack has bitmap " + std::to_string(stored.id) + " there");
        }
        if (b.bits != 8 && b.bits != 24) {
            throw ArtworkError(module + ": " + describe(b) + " has " + std::to_string(b.bits) + " bits (8 or 24)");
        }
        DibHeader h;
        try {
            h = read_dib_header(stored.dib);
        } catch (const std::exception& e) {
            throw ArtworkError(module + ": " + describe(b) + ": " + e.what());
        }
        const int64_t rows = h.height < 0 ? -int64_t{h.height} : int64_t{h.height};
        if (h.width != b.width || rows != b.height || h.bits != b.bits) {
            throw ArtworkError(module + ": " + describe(b) + " is stored " + size_text(h.width, rows, h.bits) +
                               ", declared " + size_text(b.width, b.height, b.bits));
        }
    }
}

void write_file_atomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("cannot put " + path.string() + " in place: " + error.message());
    }
}

}  // namespace art

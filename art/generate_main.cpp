// A module's artwork program: draws the module's bitmaps and writes its
// resource pack.
//
//   <program> OUT.res [--png DIR] [--sheet PATH.png]
//
// The options come after OUT.res, in any order, each at most once.
// With --png, each bitmap is also written as DIR/<id>.png exactly as stored
// (after colour reduction). With --sheet, one contact sheet showing every
// bitmap is written to PATH.png (its directory is created). Both are for
// review. On any error nothing is written to OUT.res and the program exits
// with status 1.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "art/canvas.h"
#include "art/contact_sheet.h"
#include "art/dib.h"
#include "art/module_artwork.h"
#include "art/module_pack.h"

namespace {

int usage(const char* program, const std::string& why) {
    std::fprintf(stderr, "%s: %s\nusage: %s OUT.res [--png DIR] [--sheet PATH.png]\n", program, why.c_str(), program);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "artwork";
    if (argc < 2) return usage(program, "no output file");
    const std::filesystem::path out = argv[1];
    if (out.empty() || argv[1][0] == '-') return usage(program, "the output file comes first");
    std::filesystem::path png_dir, sheet;
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        std::filesystem::path* target = option == "--png" ? &png_dir : option == "--sheet" ? &sheet : nullptr;
        if (!target) return usage(program, "unknown option " + option);
        if (i + 1 >= argc || argv[i + 1][0] == '\0') return usage(program, option + " needs a path");
        if (!target->empty()) return usage(program, option + " given twice");
        *target = argv[i + 1];
    }

    const art::ModuleArtwork artwork = art::module_artwork();
    const char* module = artwork.module ? artwork.module : "module";
    try {
        const art::ModulePack pack = art::build_module_pack(artwork);
        if (!png_dir.empty()) {
            std::filesystem::create_directories(png_dir);
            for (const art::RenderedBitmap& b : pack.bitmaps) {
                art::canvas_from_dib(b.dib).write_png((png_dir / (std::to_string(b.id) + ".png")).string());
            }
        }
        if (!sheet.empty()) {
            if (sheet.has_parent_path()) std::filesystem::create_directories(sheet.parent_path());
            art::contact_sheet(artwork, pack).write_png(sheet.string());
        }
        art::write_file_atomically(out, pack.bytes);
    } catch (const art::ArtworkError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", module, e.what());
        return 1;
    }
    return 0;
}

// A module's artwork program: draws the module's bitmaps and writes its
// resource pack.
//
//   <program> OUT.res [--png DIR]
//
// With --png, each bitmap is also written as DIR/<id>.png exactly as stored
// (after colour reduction), for review. On any error nothing is written to
// OUT.res and the program exits with status 1.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "art/canvas.h"
#include "art/dib.h"
#include "art/module_artwork.h"
#include "art/module_pack.h"

namespace {

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s OUT.res [--png DIR]\n", program);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "artwork";
    if (argc != 2 && argc != 4) return usage(program);
    const std::filesystem::path out = argv[1];
    std::filesystem::path png_dir;
    if (argc == 4) {
        if (std::string(argv[2]) != "--png") return usage(program);
        png_dir = argv[3];
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

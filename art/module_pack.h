// Drawing a module's declared bitmaps and packing them with its version
// record: the work of each module's artwork program (art/generate_main.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

#include "art/module_artwork.h"

namespace art {

// A module's artwork does not hold together; the message names the bitmap.
class ArtworkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks that every declared bitmap has exactly one drawing, every drawing
// a declared bitmap, and that sizes and depths can be stored.
void check_artwork(const ModuleArtwork& artwork);

struct RenderedBitmap {
    uint32_t id = 0;
    std::vector<uint8_t> dib;
};

struct ModulePack {
    std::vector<uint8_t> bytes;
    // The bitmaps as stored, in declared order.
    std::vector<RenderedBitmap> bitmaps;
};

// Checks the artwork, draws each bitmap on a canvas of its declared size,
// converts it to its declared depth and builds the pack. Throws ArtworkError,
// also when a drawing leaves a canvas of another size than declared.
ModulePack build_module_pack(const ModuleArtwork& artwork);

// Checks that `pack` holds exactly the bitmaps `artwork` declares, in declared
// order, each stored with the declared id, size and depth. Throws ArtworkError
// naming the module and the bitmap.
void check_module_pack(const ModuleArtwork& artwork, const ModulePack& pack);

// Writes `bytes` next to `path` first and renames it into place, so a reader
// sees the old file or the whole new one. Throws std::runtime_error.
void write_file_atomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace art

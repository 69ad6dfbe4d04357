// A module's bitmaps and version record, read from the module file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/resources.h"

namespace panel {

struct Bitmap {
    uint32_t id = 0;
    int32_t width = 0;
    int32_t height = 0;
    // 8 (palette indices) or 24 (RGB triplets).
    uint32_t bits = 0;
    // 0x00RRGGBB, 256 entries for 8-bit bitmaps.
    std::vector<uint32_t> palette;
    // Rows top-down, no padding: one byte a pixel (8-bit) or three, R G B (24-bit).
    std::vector<uint8_t> pixels;

    // The colour at (x, y) as 0x00RRGGBB.
    uint32_t rgb_at(int32_t x, int32_t y) const;
};

struct ModuleResources {
    std::map<uint32_t, Bitmap> bitmaps;
    // The bitmaps the module declares it carries.
    std::vector<BitmapRecord> declared;
    std::map<std::string, std::string> version;

    const Bitmap* bitmap(uint32_t id) const;
};

// Reads the resource pack stored in the module file. A file without one has
// no bitmaps; a damaged pack throws LoadError naming the file and the entry.
ModuleResources read_module_resources(const std::string& path);

// Parses the bytes of a pack; `where` names it in error messages.
ModuleResources parse_resource_pack(const std::vector<uint8_t>& pack, const std::string& where);

}  // namespace panel

// How a module file carries its bitmaps.
//
// Each module lists the bitmaps it carries (id, size, bit depth). The build
// draws them, packs them and stores the pack in the module file's section
// ".gauge_resources", which is not loaded into memory: the host reads it from
// the module file alone, as the simulator reads a library's resources.
//
// Pack layout, little-endian:
//   header   char magic[8] = "GAUGERES"; uint32 format (1); uint32 entry count
//   entries  { uint32 type; uint32 id; uint32 language; uint32 offset; uint32 size } x count
//   data     each entry's bytes at `offset` from the start of the pack
// Entry types: bitmaps are uncompressed device-independent bitmaps (a 40-byte
// info header, the palette for 8 bits per pixel, rows bottom-up padded to 4
// bytes); the bitmap list is the module's declared list, one BitmapRecord per
// bitmap; the version is "key=value" lines.
#pragma once

#include <cstdint>

constexpr char kResourceSection[] = ".gauge_resources";
constexpr char kResourceMagic[8] = {'G', 'A', 'U', 'G', 'E', 'R', 'E', 'S'};
constexpr uint32_t kResourceFormat = 1;
constexpr uint32_t kResourceLanguage = 1033;

enum ResourceType : uint32_t {
    kResourceBitmap = 2,
    kResourceVersion = 16,
    kResourceBitmapList = 0x100,
};

// One bitmap a module declares it carries.
struct BitmapResource {
    uint32_t id;
    int32_t width;
    int32_t height;
    // 8 (256-colour palette) or 24.
    uint32_t bits;
    // What the picture shows, for the contact sheet and error messages.
    const char* what;
};

// The bitmap list as stored in the pack.
struct BitmapRecord {
    uint32_t id;
    int32_t width;
    int32_t height;
    uint32_t bits;
};

// What a module's artwork program provides: the bitmaps it declares and a
// drawing routine for each. art/generate_main.cpp draws them all, turns them
// into device-independent bitmaps and writes the module's resource pack.
#pragma once

#include <cstdint>
#include <span>

#include "framework/resources.h"

namespace art {

class Canvas;

struct Drawing {
    uint32_t id;
    // Draws the whole bitmap on a canvas of the declared size.
    void (*draw)(Canvas& canvas);
};

struct ModuleArtwork {
    // The module's name ("Radios").
    const char* module;
    // File description of the module's version record.
    const char* description;
    std::span<const BitmapResource> bitmaps;
    std::span<const Drawing> drawings;
};

// Defined by each module's artwork.cpp.
ModuleArtwork module_artwork();

}  // namespace art

// Cairo surfaces made from a module's bitmaps, made once and kept.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

#include "host/resources.h"

namespace panel::render {

// Owns one cairo surface.
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// How a bitmap is turned into a surface.
enum class SurfaceKind {
    Opaque,       // every pixel drawn
    Transparent,  // pure black is not drawn (image flag 0x1)
    Overlay,      // a sprite's companion: pure black and near-black not drawn
    Mask,         // a sprite's companion as a mask: only near-black is set
};

// How much light the panel has: 1 by day; at night images that do not keep
// their own light are multiplied by the night factor.
struct Lighting {
    bool night = false;
    bool keeps_light = false;
};

class SurfaceCache {
public:
    // The surface of a bitmap, or null when the module has no such bitmap.
    cairo_surface_t* get(const ModuleResources& resources, uint32_t id, SurfaceKind kind, Lighting lighting);
    void clear() { surfaces_.clear(); }

private:
    std::map<std::tuple<const ModuleResources*, uint32_t, SurfaceKind, bool>, Surface> surfaces_;
};

// The colour images are multiplied by at night (a dim red-brown cockpit).
constexpr double kNightRed = 0.30, kNightGreen = 0.22, kNightBlue = 0.20;

}  // namespace panel::render

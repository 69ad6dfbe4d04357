// A drawing surface for one bitmap: a cairo image surface of a fixed size.
//
// The canvas starts filled with opaque pure black. Pure black is what the
// host leaves out when it draws an image with its transparency flag, so
// whatever a drawing does not cover stays see-through on such images.
// Drawings never leave partly transparent pixels that matter: everything is
// composited over that black, and readers take the colour as it shows.
#pragma once

#include <cairo.h>

#include <compare>
#include <cstdint>
#include <string>

namespace art {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour the host treats as "not drawn" on transparent images.
inline constexpr Rgb kTransparentBlack{0, 0, 0};
// The darkest colour that is still drawn: use it for "black" that must show.
inline constexpr Rgb kNearBlack{1, 1, 1};

// Sets the cairo source to a colour, optionally see-through.
void set_source(cairo_t* cr, Rgb colour, double alpha = 1.0);

class Canvas {
public:
    // The largest side a canvas may have.
    static constexpr int kMaxSide = 8192;

    // Throws std::invalid_argument for a side that is not 1..kMaxSide.
    Canvas(int width, int height);
    ~Canvas();

    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // The drawing context; drawings save and restore its state around their work.
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    // The colour at (x, y) as it shows composited over black.
    // Throws std::out_of_range outside the canvas.
    Rgb pixel(int x, int y) const;
    // Sets one pixel, opaque.
    void set_pixel(int x, int y, Rgb colour);

    // Writes the canvas as a PNG file; throws std::runtime_error on failure.
    void write_png(const std::string& path) const;

private:
    void check(int x, int y) const;
    void release() noexcept;

    int width_ = 0;
    int height_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

}  // namespace art

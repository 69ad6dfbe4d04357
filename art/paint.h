// Building blocks the primitives are made of, for a module that needs a
// drawing of its own: angle helpers, cairo state and pattern guards, common
// paths, soft shadows, a per-pixel lighting shader and deterministic noise.
//
// The shader is what makes round metal and plastic parts look solid: a part
// describes its surface normal at each point and a material, and the light
// from the upper left does the rest, the same way for every part.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>

#include "art/basics.h"

namespace art {

inline constexpr double kPi = std::numbers::pi;
// Highlights: white, drawn see-through over something.
inline constexpr Rgb kHighlightInk{255, 255, 255};
// Shadows: only ever drawn see-through over something, so a shadow cast onto
// an undrawn (pure black) area stays pure black and see-through.
inline constexpr Rgb kShadowInk{0, 0, 0};

double radians(double angle);
// Cairo measures angles from 3 o'clock; ours start at 12.
double cairo_angle(double angle);
// The point at `angle` and distance r from (cx, cy).
Point at_angle(double cx, double cy, double r, double angle);
// Our angle of the direction (dx, dy): 0 up, 90 right.
double angle_of(double dx, double dy);
// How much a surface facing `angle` (outwards from a round part) faces the
// light: 1 towards it, 0 away from it.
double facing_light(double angle);

// Saves the cairo state and restores it when it goes out of scope.
class Saved {
public:
    explicit Saved(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~Saved() { cairo_restore(cr_); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;

private:
    cairo_t* cr_;
};

struct PatternDeleter {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

Pattern linear_pattern(double x0, double y0, double x1, double y1);
Pattern radial_pattern(double cx0, double cy0, double r0, double cx1, double cy1, double r1);
// A gradient along the light: from the upper-left corner of the box round
// (cx, cy) with half-size r to its lower-right corner.
Pattern light_gradient(double cx, double cy, double r);
void stop(cairo_pattern_t* p, double offset, Rgb colour, double alpha = 1.0);

void circle_path(cairo_t* cr, double cx, double cy, double r);
void rounded_rect_path(cairo_t* cr, const Rect& area, double radius);
Rect inset(const Rect& area, double by);

// A soft round shadow under a part of radius r centred on (cx, cy), cast
// down and to the right by `offset`.
void drop_shadow(cairo_t* cr, double cx, double cy, double r, double offset, double alpha);
// Fills `path` as a soft-edged shadow moved by (dx, dy), blurred over `blur` pixels.
void soft_shadow(cairo_t* cr, const cairo_path_t* path, double dx, double dy, double blur, double alpha);
// A soft shadow under a rounded rectangle, cast down and to the right.
void box_shadow(cairo_t* cr, const Rect& area, double radius, double offset, double blur, double alpha);

// ---------------------------------------------------------------------------
// Lighting

struct Vec3 {
    double x = 0;
    double y = 0;  // down the page
    double z = 0;  // out of the panel, towards the pilot
};

Vec3 normalised(Vec3 v);
double dot(Vec3 a, Vec3 b);
// The unit vector towards the light: upper left, in front of the panel.
Vec3 light_direction();
// The normal of a surface whose outward direction on the page is `angle`
// and which is tilted `tilt` degrees from facing the pilot (0 flat, 90 edge on).
Vec3 tilted_normal(double angle, double tilt);

struct Material {
    Rgb colour;         // the surface's own colour
    double ambient;     // light it shows in shade, 0..1
    double diffuse;     // how much it brightens facing the light
    double gloss;       // strength of the highlight
    double shininess;   // how tight the highlight is
    double mirror;      // 0..1: how much it reflects the cockpit (chrome)
};

inline constexpr Material kBlackPlastic{{44, 44, 47}, 0.60, 0.70, 0.60, 9, 0.0};
inline constexpr Material kSatinBlack{{34, 34, 36}, 0.75, 0.50, 0.30, 14, 0.0};
inline constexpr Material kAluminium{{176, 178, 182}, 0.45, 0.60, 0.45, 30, 0.15};
inline constexpr Material kChrome{{210, 212, 216}, 0.10, 0.20, 0.90, 90, 0.85};
// The flat top of a black knob: a sheen only where it turns towards the light.
inline constexpr Material kKnobTop{{40, 40, 43}, 0.70, 0.50, 0.40, 34, 0.0};
inline constexpr Material kBlackPaint{{28, 28, 30}, 0.85, 0.35, 0.10, 12, 0.0};

// A colour with its coverage, each 0..1, not premultiplied.
struct Shade {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

Shade shade_of(Rgb colour, double alpha = 1.0);
// The colour of `material` where its surface has the normal `n`.
Shade lit(const Material& material, Vec3 n);
// Brightens (factor > 1) or darkens a shade, keeping its coverage.
Shade scaled(Shade s, double factor);
// `top` over `bottom`.
Shade over(Shade top, Shade bottom);

// Paints the pixels of `box` one by one: `at(x, y)` gives the colour at a
// point (alpha 0 outside the part). Each pixel averages samples x samples
// points, which anti-aliases the part's edges.
void shade_pixels(cairo_t* cr, const Rect& box, const std::function<Shade(double x, double y)>& at, int samples = 4);

// ---------------------------------------------------------------------------
// Deterministic noise

uint32_t hash32(uint32_t v);
// Noise in 0..1 for integer coordinates.
double noise(uint32_t seed, int x, int y);
// Smooth noise in 0..1 along a line: varies over about one unit of x.
double smooth_noise(uint32_t seed, double x, int row);

}  // namespace art

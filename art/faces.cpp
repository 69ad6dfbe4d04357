#include "art/faces.h"

#include <algorithm>
#include <cmath>

#include "art/paint.h"

namespace art {

void surface_finish(Canvas& canvas, const Rect& area, double corner_radius, double grain, double streak,
                    uint32_t seed) {
    if (grain <= 0) return;
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    rounded_rect_path(cr, area, corner_radius);
    cairo_clip(cr);
    const double length = std::max(1.0, streak);
    // Per-pixel grain, plus for brushed metal long streaks of varying
    // brightness along each row.
    shade_pixels(
        cr, area,
        [&](double x, double y) {
            const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
            double v = noise(seed, px, py) - 0.5;
            if (length > 1.5) {
                const double run = smooth_noise(seed + 7, x / length, py) - 0.5;
                const double slow = smooth_noise(seed + 13, x / (length * 4), py / 3) - 0.5;
                v = v * 0.30 + run * 1.0 + slow * 0.7;
            }
            const double strength = std::min(1.0, std::abs(v) * 2 * grain);
            return v > 0 ? Shade{1, 1, 1, strength} : Shade{0, 0, 0, strength * 1.2};
        },
        1);
}

void panel_face(Canvas& canvas, const Rect& area, const FaceStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    Pattern fill = linear_pattern(0, area.y, 0, area.y + area.h);
    stop(fill.get(), 0, style.top);
    stop(fill.get(), 1, style.bottom);
    cairo_set_source(cr, fill.get());
    rounded_rect_path(cr, area, style.corner_radius);
    cairo_fill(cr);

    surface_finish(canvas, area, style.corner_radius, style.grain, style.streak);

    if (style.bevel_width <= 0) return;
    // The bevel: light along the top and left, shade along the bottom and right.
    const Rect edge = inset(area, style.bevel_width / 2);
    const double reach = std::min(area.w, area.h);
    Pattern bevel = linear_pattern(area.x, area.y, area.x + reach, area.y + reach);
    stop(bevel.get(), 0, kHighlightInk, style.highlight_alpha);
    stop(bevel.get(), 0.5, kHighlightInk, 0);
    stop(bevel.get(), 0.5, kShadowInk, 0);
    stop(bevel.get(), 1, kShadowInk, style.shadow_alpha);
    cairo_pattern_set_extend(bevel.get(), CAIRO_EXTEND_PAD);
    // Stretch the diagonal over the whole plate so long edges shade evenly.
    cairo_matrix_t stretch;
    cairo_matrix_init_translate(&stretch, area.x, area.y);
    cairo_matrix_scale(&stretch, reach / area.w, reach / area.h);
    cairo_matrix_translate(&stretch, -area.x, -area.y);
    cairo_pattern_set_matrix(bevel.get(), &stretch);
    cairo_set_source(cr, bevel.get());
    cairo_set_line_width(cr, style.bevel_width);
    rounded_rect_path(cr, edge, std::max(0.0, style.corner_radius - style.bevel_width / 2));
    cairo_stroke(cr);
}

void screw(Canvas& canvas, double cx, double cy, double r, double angle, const ScrewStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);

    // The countersink: its upper-left wall is in shade, its lower-right wall lit.
    const double hole = r * style.countersink;
    Pattern sink = light_gradient(cx, cy, hole);
    stop(sink.get(), 0, kShadowInk, 0.70);
    stop(sink.get(), 1, kHighlightInk, 0.20);
    cairo_set_source(cr, sink.get());
    circle_path(cr, cx, cy, hole);
    cairo_fill(cr);

    // The head: a low dome, lit by the common light, its colours from the style.
    const Material metal{mix(style.lit, style.shade, 0.35), 0.55, 0.75, 0.55, 24, 0.0};
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        if (d > r) return Shade{};
        const double tilt = 12 + 55 * std::pow(d / r, 2.2);
        Shade s = lit(metal, tilted_normal(angle_of(dx, dy), tilt));
        // The head's rim meets its hole in a thin dark line.
        if (d > r - 0.8) s = scaled(s, 0.55);
        return s;
    });

    // The cross: a lit sliver along the slots' lower-right walls.
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, radians(angle));
    const double length = r * 1.35, width = r * style.slot_width;
    auto cross = [&](double dx, double dy) {
        cairo_new_path(cr);
        cairo_rectangle(cr, -length / 2 + dx, -width / 2 + dy, length, width);
        cairo_rectangle(cr, -width / 2 + dx, -length / 2 + dy, width, length);
    };
    cross(0, 0);
    set_source(cr, mix(style.lit, style.shade, 0.3));
    cairo_fill(cr);
    // Offset towards the page's upper left, whatever the screw's turn.
    const double back = -std::max(0.6, r * 0.12);
    const double ux = back * (std::cos(radians(-angle)) - std::sin(radians(-angle)));
    const double uy = back * (std::sin(radians(-angle)) + std::cos(radians(-angle)));
    cross(ux, uy);
    set_source(cr, style.recess);
    cairo_fill(cr);
}

}  // namespace art

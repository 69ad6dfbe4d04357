#include "art/needle.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The blade's outline in needle space: pivot at the origin, tip at (length, 0).
void blade_path(cairo_t* cr, double length, const NeedleStyle& s) {
    const double w = s.width / 2, tail = length * s.tail;
    cairo_new_path(cr);
    switch (s.shape) {
        case NeedleShape::kTapered:
            cairo_move_to(cr, length, 0);
            cairo_line_to(cr, length * 0.86, -w * 0.32);
            cairo_line_to(cr, 0, -w);
            cairo_line_to(cr, -tail, -w * 0.9);
            cairo_arc_negative(cr, -tail, 0, w * 0.9, -kPi / 2, kPi / 2);
            cairo_line_to(cr, 0, w);
            cairo_line_to(cr, length * 0.86, w * 0.32);
            cairo_close_path(cr);
            break;
        case NeedleShape::kLollipop:
            cairo_move_to(cr, length, 0);
            cairo_line_to(cr, length * 0.90, -w);
            cairo_line_to(cr, -tail, -w);
            cairo_line_to(cr, -tail, w);
            cairo_line_to(cr, length * 0.90, w);
            cairo_close_path(cr);
            circle_path(cr, -tail, 0, std::max(2.5, s.width * 1.7));
            break;
        case NeedleShape::kThin:
            cairo_move_to(cr, length, 0);
            cairo_line_to(cr, 0, -w);
            cairo_line_to(cr, -tail, -w);
            cairo_line_to(cr, -tail, w);
            cairo_line_to(cr, 0, w);
            cairo_close_path(cr);
            break;
        case NeedleShape::kSword:
            cairo_move_to(cr, length, 0);
            cairo_curve_to(cr, length * 0.80, -w * 0.55, length * 0.62, -w, length * 0.45, -w);
            cairo_curve_to(cr, length * 0.25, -w, length * 0.12, -w * 0.45, 0, -w * 0.42);
            cairo_line_to(cr, -tail, -w * 0.42);
            cairo_line_to(cr, -tail, w * 0.42);
            cairo_line_to(cr, 0, w * 0.42);
            cairo_curve_to(cr, length * 0.12, w * 0.45, length * 0.25, w, length * 0.45, w);
            cairo_curve_to(cr, length * 0.62, w, length * 0.80, w * 0.55, length, 0);
            cairo_close_path(cr);
            break;
        case NeedleShape::kMarker:
            cairo_move_to(cr, length, 0);
            cairo_line_to(cr, length * 0.66, -w);
            cairo_line_to(cr, length * 0.66, -w * 0.28);
            cairo_line_to(cr, -tail, -w * 0.28);
            cairo_line_to(cr, -tail, w * 0.28);
            cairo_line_to(cr, length * 0.66, w * 0.28);
            cairo_line_to(cr, length * 0.66, w);
            cairo_close_path(cr);
            break;
    }
}

}  // namespace

void needle(Canvas& canvas, double px, double py, double length, const NeedleStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    cairo_translate(cr, px, py);

    // The shadow on the dial below.
    {
        blade_path(cr, length, style);
        cairo_path_t* shape = cairo_copy_path(cr);
        cairo_new_path(cr);
        soft_shadow(cr, shape, style.shadow_offset * 0.6, style.shadow_offset, style.shadow_offset * 0.8,
                    style.shadow_alpha);
        cairo_path_destroy(shape);
    }

    // The paint, the tail in its own colour behind the pivot.
    blade_path(cr, length, style);
    cairo_path_t* outline = cairo_copy_path(cr);
    set_source(cr, style.colour);
    cairo_fill_preserve(cr);
    if (!(style.tail_colour == style.colour)) {
        Saved tail(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, -length, -length, length, 2 * length);
        set_source(cr, style.tail_colour);
        cairo_fill(cr);
    }
    // The ridge: the lower half a shade darker than the lit upper half.
    {
        Saved ridge(cr);
        cairo_new_path(cr);
        cairo_append_path(cr, outline);
        cairo_clip(cr);
        cairo_rectangle(cr, -length, 0, 3 * length, length);
        set_source(cr, kShadowInk, 0.16);
        cairo_fill(cr);
        cairo_rectangle(cr, -length, -length, 3 * length, length);
        set_source(cr, kHighlightInk, 0.10);
        cairo_fill(cr);
    }
    // A fine dark edge keeps a pale needle crisp against a pale dial.
    cairo_new_path(cr);
    cairo_append_path(cr, outline);
    set_source(cr, mix(style.colour, kShadowInk, 0.55), 0.55);
    cairo_set_line_width(cr, 0.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_path_destroy(outline);
}

void needle_hub(Canvas& canvas, double cx, double cy, double r, const HubStyle& style) {
    cairo_t* cr = canvas.cr();
    drop_shadow(cr, cx, cy, r, std::max(1.0, r * 0.18), style.shadow_alpha);
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        if (d > r) return Shade{};
        const double q = d / r;
        // A dome: flat on top, rolling steeply over at the rim.
        Shade s = lit(style.cap, tilted_normal(angle_of(dx, dy), std::asin(std::min(1.0, q * 0.93)) * 180 / kPi));
        if (style.screw > 0 && d < r * style.screw) {
            s = lit(kAluminium, tilted_normal(angle_of(dx, dy), 35 * d / (r * style.screw)));
        }
        return s;
    });
}

}  // namespace art

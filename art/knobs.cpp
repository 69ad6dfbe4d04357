#include "art/knobs.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The top at distance d from the centre of a cap of radius rc: a low dome
// with a chamfer round its edge; turned metal shows fine rings and a bright
// band along the light.
Shade cap_at(const KnobStyle& style, double rc, double d, double angle) {
    const double chamfer = std::max(1.2, rc * 0.10);
    const double dome = 20 * std::pow(d / rc, 1.5);
    const double tilt = d > rc - chamfer ? dome + 40 * (d - (rc - chamfer)) / chamfer : dome;
    Shade s = lit(style.cap, tilted_normal(angle, tilt));
    if (style.spun > 0 && d < rc - chamfer) {
        const double band = std::pow(std::abs(std::cos(radians(angle - kLightAngle))), 10.0);
        const double rings = noise(17, static_cast<int>(d * 2.5), 0) - 0.5;
        s = scaled(s, 1 + style.spun * (0.30 * band + 0.10 * rings - 0.06));
    }
    return s;
}

// The sloping side between the cap (rc) and the edge (r), with `ridges` ribs.
Shade skirt_at(const KnobStyle& style, double rc, double r, int ridges, double d, double angle) {
    const double t = std::clamp((d - rc) / std::max(0.5, r - rc), 0.0, 1.0);
    double facing = angle, occlusion = 1.0;
    if (ridges > 0) {
        const double phase = angle / 360.0 * ridges;
        const double p = phase - std::floor(phase);
        // Rounded ribs: the surface turns one way up a rib, the other way down it.
        const double slope = std::sin(2 * kPi * p);
        facing = angle - style.ridge_depth * slope;
        const double height = 0.5 - 0.5 * std::cos(2 * kPi * p);
        occlusion = 0.50 + 0.50 * height;
    }
    // The side rolls over into the top at its inner edge.
    const double tilt = style.skirt_tilt * (0.55 + 0.45 * std::min(1.0, t * 2.5));
    Shade s = scaled(lit(style.skirt, tilted_normal(facing, tilt)), occlusion);
    if (t > 0.82) s = scaled(s, 1 - (t - 0.82) * 2.2);  // the edge turning away
    return s;
}

void knob(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style) {
    cairo_t* cr = canvas.cr();
    drop_shadow(cr, cx, cy, r, r * style.shadow_offset, style.shadow_alpha);
    const double rc = r * style.cap_fraction;
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        if (d > r) return Shade{};
        const double angle = angle_of(dx, dy);
        return d <= rc ? cap_at(style, rc, d, angle) : skirt_at(style, rc, r, ridges, d, angle);
    });
}

// Ridges about 4 px apart, whatever the knob's size.
int ridges_for(double r) { return std::max(12, static_cast<int>(std::lround(2 * kPi * r / 4.2))); }

}  // namespace

void knob_plain(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style) {
    knob(canvas, cx, cy, r, 0, style);
}

void knob_ribbed(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style) {
    knob(canvas, cx, cy, r, std::max(ridges, 0), style);
}

void knob_dual_concentric(Canvas& canvas, double cx, double cy, double r_outer, double r_inner,
                          const KnobStyle& style) {
    knob(canvas, cx, cy, r_outer, ridges_for(r_outer), style);
    KnobStyle inner = style;
    inner.shadow_alpha = style.shadow_alpha * 0.9;
    inner.shadow_offset = style.shadow_offset * 1.4;
    knob(canvas, cx, cy, r_inner, ridges_for(r_inner), inner);
}

void knob_with_flats(Canvas& canvas, double cx, double cy, double r, double angle, const KnobStyle& style) {
    cairo_t* cr = canvas.cr();
    const double half = r * 0.62;  // half the distance between the flats
    const double ux = std::sin(radians(angle)), uy = -std::cos(radians(angle));  // along the knob
    {
        Saved saved(cr);
        // The shadow follows the outline: a circle cut by the flats.
        cairo_translate(cr, cx + r * 0.06, cy + r * 0.10);
        cairo_rotate(cr, radians(angle));
        circle_path(cr, 0, 0, r + 1.5);
        cairo_clip(cr);
        cairo_rectangle(cr, -half - 1.5, -r - 2, 2 * half + 3, 2 * r + 4);
        set_source(cr, kShadowInk, style.shadow_alpha * 0.8);
        cairo_fill(cr);
    }
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        const double along = dx * ux + dy * uy, across = dx * uy - dy * ux;
        if (d > r || std::abs(across) > half) return Shade{};
        // Distance in from whichever edge is nearer: the round ends or a flat.
        const double from_round = r - d, from_flat = half - std::abs(across);
        const double bevel = std::max(1.5, r * 0.22);
        const double in = std::min(from_round, from_flat);
        double facing = angle_of(dx, dy);
        if (from_flat < from_round) facing = angle + (across > 0 ? -90 : 90);
        const double tilt = in < bevel ? style.skirt_tilt * (1 - in / bevel) : 6 * std::abs(along) / r;
        return lit(in < bevel ? style.skirt : style.cap, tilted_normal(facing, tilt));
    });
    pointer_mark(canvas, cx, cy, r, angle, {{240, 240, 236}, 0.25, 0.88, std::max(1.6, r * 0.12)});
}

void bug_knob(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style) {
    knob(canvas, cx, cy, r, ridges_for(r) + 4, style);
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    // The bug: a notched rectangle, as it sits on a heading card.
    const double w = r * 0.95, h = r * 0.42, notch = h * 0.55;
    const double x = cx - w / 2, y = cy - h / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, cx - notch * 0.6, y);
    cairo_line_to(cr, cx, y + notch);
    cairo_line_to(cr, cx + notch * 0.6, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    set_source(cr, {236, 120, 26});
    cairo_fill_preserve(cr);
    set_source(cr, kShadowInk, 0.35);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

void pointer_mark(Canvas& canvas, double cx, double cy, double r, double angle, const PointerStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const Point a = at_angle(cx, cy, r * style.from, angle), b = at_angle(cx, cy, r * style.to, angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // A dark bed under the paint keeps the line readable on the lit side.
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    set_source(cr, kShadowInk, 0.45);
    cairo_set_line_width(cr, style.width + 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    set_source(cr, style.colour);
    cairo_set_line_width(cr, style.width);
    cairo_stroke(cr);
}

}  // namespace art

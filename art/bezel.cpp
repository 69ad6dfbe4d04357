#include "art/bezel.h"

#include <algorithm>
#include <cmath>

namespace art {

void square_case(Canvas& canvas, const Rect& area, const CaseStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    panel_face(canvas, area, style.face);
    const double side = std::min(area.w, area.h);
    const double r = side * style.screw_radius, in = side * style.screw_inset;
    const double xs[2] = {area.x + in, area.x + area.w - in}, ys[2] = {area.y + in, area.y + area.h - in};
    const double turns[4] = {23.0, 67.0, -12.0, 41.0};  // screws never line up
    for (int i = 0; i < 4; ++i) screw(canvas, xs[i % 2], ys[i / 2], r, turns[i], style.screw);
}

void round_bezel(Canvas& canvas, double cx, double cy, double r, const BezelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const double inner = r * (1 - style.width);

    // The shadow the ring's inner edge casts onto the dial: deepest under the
    // upper-left rim, where the light comes over it.
    {
        Saved shadow(cr);
        circle_path(cr, cx, cy, inner);
        cairo_clip(cr);
        const double depth = r * style.shadow_depth, o = depth * 0.45;
        Pattern p = radial_pattern(cx + o * 0.8, cy + o, inner - depth, cx + o * 0.8, cy + o, inner + o);
        stop(p.get(), 0, kShadowInk, 0);
        stop(p.get(), 0.55, kShadowInk, style.shadow_alpha * 0.45);
        stop(p.get(), 1, kShadowInk, style.shadow_alpha);
        cairo_pattern_set_extend(p.get(), CAIRO_EXTEND_PAD);
        cairo_set_source(cr, p.get());
        cairo_paint(cr);
    }

    // The ring itself: from the opening it rises towards the pilot, rounds
    // over, and falls away to the case. Its inner slope faces the centre.
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
        if (d > r || d < inner) return Shade{};
        const double t = (d - inner) / (r - inner), crest = 0.45;
        const double angle = angle_of(dx, dy);
        Vec3 n;
        if (t < crest) {
            n = tilted_normal(angle + 180, 48 * std::pow(1 - t / crest, 1.3));
        } else {
            n = tilted_normal(angle, 62 * std::pow((t - crest) / (1 - crest), 1.4));
        }
        Shade s = lit(style.ring, n);
        if (t < 0.06) s = scaled(s, 0.5 + t / 0.06 * 0.5);  // where the ring meets the dial
        return s;
    });
}

void glass_reflection(Canvas& canvas, double cx, double cy, double r, const GlassStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    circle_path(cr, cx, cy, r);
    cairo_clip(cr);

    // The crescent: the part of the glass outside a circle pushed towards the
    // lower right, brightest at the rim.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    circle_path(cr, cx, cy, r);
    circle_path(cr, cx + r * 0.10, cy + r * 0.14, r * 0.97);
    Pattern crescent = radial_pattern(cx + r * 0.12, cy + r * 0.16, r * 0.80, cx + r * 0.12, cy + r * 0.16, r * 1.12);
    stop(crescent.get(), 0, kHighlightInk, 0);
    stop(crescent.get(), 1, kHighlightInk, style.crescent_alpha);
    cairo_set_source(cr, crescent.get());
    cairo_fill(cr);

    // A narrow streak across the upper left, as a window behind the pilot throws.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, radians(-45));
    Pattern streak = linear_pattern(0, -r * 0.78, 0, -r * 0.50);
    stop(streak.get(), 0, kHighlightInk, 0);
    stop(streak.get(), 0.35, kHighlightInk, style.streak_alpha);
    stop(streak.get(), 0.70, kHighlightInk, style.streak_alpha * 0.5);
    stop(streak.get(), 1, kHighlightInk, 0);
    cairo_set_source(cr, streak.get());
    cairo_rectangle(cr, -r, -r * 0.78, 2 * r, r * 0.28);
    cairo_fill(cr);
}

}  // namespace art

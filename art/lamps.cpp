#include "art/lamps.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The surface of a lens at fraction q of its radius: a jewel's facets or a smooth dome.
Vec3 lens_normal(int facets, double q, double angle) {
    if (facets <= 0) return tilted_normal(angle, std::asin(std::min(1.0, q * 0.75)) * 180 / kPi);
    if (q < 0.34) return {0, 0, 1};  // the flat table in the middle
    const double sector = 360.0 / facets;
    const bool outer = q > 0.72;
    const double offset = outer ? sector / 2 : 0;  // outer facets sit between the inner ones
    const double centre = std::round((angle - offset) / sector) * sector + offset;
    return tilted_normal(centre, outer ? 44 : 24);
}

Shade lens_at(const LampStyle& style, const LampColours& c, bool lit_up, double q, double angle) {
    const Vec3 n = lens_normal(style.facets, q, angle);
    const Vec3 light = light_direction();
    const Vec3 half = normalised({light.x, light.y, light.z + 1});
    const double glint = std::pow(std::max(0.0, dot(n, half)), 70.0);
    const double facet = dot(n, normalised({0.35, 0.5, 1}));  // light inside the lens, off to one side
    Shade s;
    if (lit_up) {
        s = shade_of(mix(c.glow, c.lit_edge, std::pow(q, 1.6)));
        s = scaled(s, 0.80 + 0.28 * facet);
        const double core = std::pow(std::max(0.0, 1 - q * 1.4), 2.0) * 0.55;
        s = {s.r + (1 - s.r) * core, s.g + (1 - s.g) * core, s.b + (1 - s.b) * core, 1};
    } else {
        s = shade_of(c.dark);
        s = scaled(s, 0.55 + 0.6 * std::max(0.0, dot(n, light)) - 0.25 * q);
    }
    const double white = glint * (lit_up ? 0.35 : 0.85);
    return {s.r + white, s.g + white, s.b + white, 1};
}

}  // namespace

LampColours lamp_colours(LampColour colour) {
    switch (colour) {
        case LampColour::kGreen: return {{170, 255, 150}, {30, 200, 60}, {18, 58, 26}};
        case LampColour::kAmber: return {{255, 230, 140}, {250, 160, 20}, {72, 44, 10}};
        case LampColour::kRed: return {{255, 170, 150}, {230, 30, 24}, {74, 14, 12}};
        case LampColour::kBlue: return {{190, 220, 255}, {40, 110, 240}, {16, 30, 72}};
        case LampColour::kWhite: return {{255, 255, 250}, {220, 222, 214}, {70, 70, 68}};
    }
    return {{255, 255, 255}, {200, 200, 200}, {60, 60, 60}};
}

void lamp(Canvas& canvas, double cx, double cy, double r, LampColour colour, bool lit_up, std::string_view legend,
          const LampStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const LampColours c = lamp_colours(colour);
    const double lens = r * style.lens;
    if (lit_up) {
        // The glow the lamp throws onto the panel round it.
        Pattern halo = radial_pattern(cx, cy, r * 0.9, cx, cy, r * 1.9);
        stop(halo.get(), 0, c.lit_edge, 0.30);
        stop(halo.get(), 1, c.lit_edge, 0);
        cairo_set_source(cr, halo.get());
        circle_path(cr, cx, cy, r * 1.9);
        cairo_fill(cr);
    }
    drop_shadow(cr, cx, cy, r, r * 0.12, 0.5);
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy), angle = angle_of(dx, dy);
        if (d > r) return Shade{};
        if (d < lens) return lens_at(style, c, lit_up, d / lens, angle);
        // The bezel ring: rising from the lens, rounding over, falling to the panel.
        const double t = (d - lens) / (r - lens);
        const Vec3 n = t < 0.4 ? tilted_normal(angle + 180, 50 * (1 - t / 0.4)) : tilted_normal(angle, 60 * (t - 0.4) / 0.6);
        Shade s = lit(style.bezel, n);
        return t < 0.08 ? scaled(s, 0.5) : s;
    });
    if (!legend.empty()) {
        const double size = std::clamp(r * 0.75, 7.0, 12.0);
        engraved_label(canvas, legend, cx, cy + r + size + 3, size, Align::kCentre, style.legend);
    }
}

void annunciator(Canvas& canvas, const Rect& area, std::string_view legend, double size, LampColour colour,
                 bool lit_up, const AnnunciatorStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const LampColours c = lamp_colours(colour);
    const double f = style.frame_width;

    shade_pixels(cr, area, [&](double x, double y) {
        const double in = std::min({x - area.x, area.x + area.w - x, y - area.y, area.y + area.h - y});
        if (in < 0 || in >= f) return Shade{};
        double facing = 0;
        if (in == x - area.x) facing = -90;
        else if (in == area.x + area.w - x) facing = 90;
        else if (in == area.y + area.h - y) facing = 180;
        return lit(style.frame, tilted_normal(facing, in < f * 0.5 ? 35 : -30));
    });

    const Rect glass = inset(area, f);
    const double cx = glass.x + glass.w / 2, cy = glass.y + glass.h / 2;
    Pattern fill = radial_pattern(cx, cy, 0, cx, cy, std::hypot(glass.w, glass.h) / 2);
    if (lit_up) {
        stop(fill.get(), 0, mix(c.glow, c.lit_edge, 0.35));
        stop(fill.get(), 1, mix(c.lit_edge, kShadowInk, 0.15));
    } else {
        stop(fill.get(), 0, mix(c.dark, kShadowInk, 0.30));
        stop(fill.get(), 1, mix(c.dark, kShadowInk, 0.55));
    }
    cairo_set_source(cr, fill.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, glass.h);
    cairo_fill(cr);

    const Rgb ink = lit_up ? mix(c.lit_edge, Rgb{8, 8, 8}, 0.85) : mix(c.dark, c.glow, 0.22);
    label_block(canvas, glass, legend, size, {ink, style.family, style.bold, 0, 0});

    // The cover glass: a soft reflection over the upper half, a shadow under the frame.
    Pattern glare = linear_pattern(0, glass.y, 0, glass.y + glass.h);
    stop(glare.get(), 0, kHighlightInk, lit_up ? 0.10 : 0.07);
    stop(glare.get(), 0.48, kHighlightInk, 0.02);
    stop(glare.get(), 0.5, kHighlightInk, 0);
    cairo_set_source(cr, glare.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, glass.h);
    cairo_fill(cr);
    Pattern shade = linear_pattern(0, glass.y, 0, glass.y + 3);
    stop(shade.get(), 0, kShadowInk, 0.45);
    stop(shade.get(), 1, kShadowInk, 0);
    cairo_set_source(cr, shade.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, 3);
    cairo_fill(cr);
}

}  // namespace art

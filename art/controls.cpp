#include "art/controls.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The nut seen from the front: a polygon (or circle) with a chamfered rim,
// the threaded bushing inside it and the hole the lever comes out of.
Shade nut_at(const ToggleStyle& style, double r, double dx, double dy) {
    const double d = std::hypot(dx, dy), angle = angle_of(dx, dy);
    double edge = r;  // distance to the nut's outline in this direction
    if (style.nut_sides >= 3) {
        const double sector = 360.0 / style.nut_sides;
        const double off = std::fmod(angle + 360.0 + sector / 2, sector) - sector / 2;
        edge = r * std::cos(radians(sector / 2)) / std::cos(radians(off));
    }
    if (d > edge) return {};
    const double bushing = r * 0.62, hole = r * 0.30;
    if (d < hole) return shade_of({14, 14, 15});
    if (d < bushing) {
        // Threads: fine rings, each lit on the side facing the light.
        const double pitch = std::max(1.2, r * 0.09);
        const double phase = std::fmod(d, pitch) / pitch;
        const double tilt = 35 * std::sin(2 * kPi * phase);
        Shade s = lit(style.nut, tilted_normal(angle, tilt));
        return scaled(s, d < hole + 1 ? 0.4 : 0.85);
    }
    const double chamfer = std::max(1.0, r * 0.16);
    const double in = edge - d;
    double facing = angle;
    if (style.nut_sides >= 3) {
        const double sector = 360.0 / style.nut_sides;
        facing = std::round(angle / sector) * sector;  // each flat faces its own way
    }
    if (in < chamfer) return lit(style.nut, tilted_normal(facing, 45));
    Shade s = lit(style.nut, tilted_normal(angle, d < bushing + 1 ? -25 : 4));
    return s;
}

}  // namespace

void toggle_switch(Canvas& canvas, double cx, double cy, double r, bool up, const ToggleStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    drop_shadow(cr, cx, cy, r, r * 0.15, 0.5);
    shade_pixels(cr, {cx - r - 1, cy - r - 1, 2 * r + 2, 2 * r + 2},
                 [&](double x, double y) { return nut_at(style, r, x - cx, y - cy); });
    toggle_lever(canvas, cx, cy, r, up, style);
}

void toggle_lever(Canvas& canvas, double cx, double cy, double r, bool up, const ToggleStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const double length = r * style.lever_length, dir = up ? -1 : 1;
    const double base = r * style.shaft_base, top = r * style.shaft_top;  // half widths of the shaft
    const double bat_w = r * style.bat_width, bat_h = r * style.bat_height;  // the bat's half sizes
    const double tip_y = cy + dir * length;
    const double beta = radians(style.lever_tilt);
    // The side of the lever the pilot sees faces away from its tip.
    const Vec3 face{0, -dir * std::cos(beta), std::sin(beta)};

    // The lever's shadow falls further as it stands further off the panel.
    {
        const double sx = r * 0.30, sy = r * 0.45;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - base + sx * 0.3, cy + sy * 0.3);
        cairo_line_to(cr, cx - top + sx, tip_y + sy);
        cairo_line_to(cr, cx + top + sx, tip_y + sy);
        cairo_line_to(cr, cx + base + sx * 0.3, cy + sy * 0.3);
        cairo_close_path(cr);
        cairo_save(cr);
        cairo_translate(cr, cx + sx, tip_y + sy);
        cairo_scale(cr, bat_w, bat_h);
        circle_path(cr, 0, 0, 1);
        cairo_restore(cr);
        cairo_path_t* shape = cairo_copy_path(cr);
        cairo_new_path(cr);
        soft_shadow(cr, shape, 0, 0, r * 0.35, style.shadow);
        cairo_path_destroy(shape);
    }

    const double reach = length + bat_h + 1;
    const Rect box{cx - bat_w - 1, up ? cy - reach : cy - base, 2 * bat_w + 2, reach + base};
    shade_pixels(cr, box, [&](double x, double y) {
        const double dx = x - cx, along = (y - cy) * dir;
        // The bat: a rounded paddle at the tip, domed towards the pilot.
        const double bx = dx / bat_w, by = (y - tip_y) / bat_h;
        const double q = bx * bx + by * by;
        if (q <= 1) {
            const double z = std::sqrt(1 - q);
            return lit(style.lever, normalised({bx * 0.8, by * 0.8 + face.y * 0.6, z + face.z * 0.4}));
        }
        if (along < 0 || along > length) return Shade{};
        const double half = base + (top - base) * along / length;
        if (std::abs(dx) > half) return Shade{};
        // A round shaft: across its width the surface turns from side to side.
        const double u = dx / half, w = std::sqrt(std::max(0.0, 1 - u * u));
        return lit(style.lever, normalised({u, face.y * w, face.z * w}));
    });
}

void rocker(Canvas& canvas, const Rect& area, bool on, std::string_view legend, const RockerStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    box_shadow(cr, area, 2.5, 1.5, 2.5, 0.5);
    const double frame = std::max(2.0, area.w * 0.12);
    const Rect paddle = inset(area, frame);
    const double tilt = on ? style.tilt : -style.tilt;

    // The frame: a raised rim with a bevel, the opening dark.
    shade_pixels(cr, area, [&](double x, double y) {
        const double in = std::min({x - area.x, area.x + area.w - x, y - area.y, area.y + area.h - y});
        if (in < 0) return Shade{};
        if (in >= frame) return shade_of({10, 10, 11});
        const double t = in / frame;
        // Which edge is nearest decides the way the bevel faces.
        double facing = 0;
        if (in == x - area.x) facing = -90;
        else if (in == area.x + area.w - x) facing = 90;
        else if (in == area.y + area.h - y) facing = 180;
        return lit(style.frame, tilted_normal(facing, t < 0.5 ? 40 : -30 * (t - 0.5) * 2));
    });

    // The paddle: two shallow faces meeting at the pivot across its middle,
    // rocked so that one end sinks into the frame.
    const double mid = paddle.y + paddle.h / 2;
    const double lip = std::max(1.5, paddle.h * 0.07);
    shade_pixels(cr, paddle, [&](double x, double y) {
        if (x < paddle.x || x > paddle.x + paddle.w || y < paddle.y || y > paddle.y + paddle.h) return Shade{};
        const double v = (y - mid) / (paddle.h / 2);          // -1 top .. 1 bottom
        const double u = (x - paddle.x) / paddle.w * 2 - 1;   // -1 left .. 1 right
        // The end standing out shows a sliver of its end face: the bottom
        // end's faces down into shade, the top end's faces up into the light.
        if (on && y > paddle.y + paddle.h - lip) return scaled(lit(style.paddle, tilted_normal(180, 70)), 0.8);
        if (!on && y < paddle.y + lip) return lit(style.paddle, tilted_normal(0, 72));
        const double dish = v < 0 ? 8 : -8;                   // each face tips towards the middle
        const double lean = dish - tilt;                      // positive: faces down the page
        Vec3 n = tilted_normal(lean >= 0 ? 180 : 0, std::abs(lean));
        n.x += u * std::abs(u) * 0.25;
        Shade s = lit(style.paddle, n);
        // The end pushed in sits in the frame's shadow.
        const bool sunk = on ? v < 0 : v > 0;
        if (sunk) s = scaled(s, 0.72 + 0.28 * (1 - std::abs(v)));
        const double edge = std::min({x - paddle.x, paddle.x + paddle.w - x, y - paddle.y, paddle.y + paddle.h - y});
        if (edge < 1.2) s = scaled(s, 0.6);
        return s;
    });

    // The white stripe on the upper half; the legend along the lower half.
    const double stripe_w = paddle.w * 0.46, stripe_h = std::max(1.5, paddle.h * 0.05);
    set_source(cr, on ? style.mark : mix(style.mark, kShadowInk, 0.2));
    cairo_rectangle(cr, paddle.x + (paddle.w - stripe_w) / 2, paddle.y + paddle.h * 0.20, stripe_w, stripe_h);
    cairo_fill(cr);
    if (!legend.empty()) {
        const double size = std::min(paddle.w * 0.32, paddle.h * 0.14);
        label_block(canvas, {paddle.x, mid + paddle.h * 0.08, paddle.w, paddle.h * 0.34}, legend, size,
                    {style.mark, "DejaVu Sans Condensed", true, 0, 0});
    }
}

void push_button(Canvas& canvas, const Rect& area, bool pressed, std::string_view legend, double size,
                 const ButtonStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const double frame = std::max(2.0, std::min(area.w, area.h) * 0.10);
    box_shadow(cr, area, 3, 1.5, 2.5, 0.5);

    // The bezel: a bevelled square ring round a dark well.
    shade_pixels(cr, area, [&](double x, double y) {
        const double in = std::min({x - area.x, area.x + area.w - x, y - area.y, area.y + area.h - y});
        if (in < 0) return Shade{};
        if (in >= frame) return shade_of({10, 10, 11});
        double facing = 0;
        if (in == x - area.x) facing = -90;
        else if (in == area.x + area.w - x) facing = 90;
        else if (in == area.y + area.h - y) facing = 180;
        return lit(style.frame, tilted_normal(facing, in < frame * 0.5 ? 40 : -35));
    });

    // The cap: a pillow shape, standing proud until pressed.
    const double shift = pressed ? style.travel * 0.5 : 0;
    const Rect cap{area.x + frame + 1 + shift, area.y + frame + 1 + shift, area.w - 2 * frame - 2,
                   area.h - 2 * frame - 2};
    if (!pressed) {
        Saved shadow(cr);
        rounded_rect_path(cr, inset(area, frame), 1);
        cairo_clip(cr);
        rounded_rect_path(cr, {cap.x + 1.2, cap.y + 1.6, cap.w, cap.h}, 2);
        set_source(cr, kShadowInk, 0.6);
        cairo_fill(cr);
    }
    shade_pixels(cr, cap, [&](double x, double y) {
        const double u = (x - cap.x) / cap.w * 2 - 1, v = (y - cap.y) / cap.h * 2 - 1;
        const double e = std::max(std::abs(u), std::abs(v));
        if (e > 1) return Shade{};
        // Flat in the middle, rounding over towards the edges.
        const double roll = std::pow(std::max(0.0, (e - 0.55) / 0.45), 2.0) * 55;
        const double facing = std::abs(u) > std::abs(v) ? (u > 0 ? 90 : -90) : (v > 0 ? 180 : 0);
        Shade s = lit(style.cap, tilted_normal(facing, roll));
        return pressed ? scaled(s, 0.82) : s;
    });
    if (!legend.empty()) label_block(canvas, {cap.x, cap.y, cap.w, cap.h}, legend, size, style.legend);
}

}  // namespace art

#include "art/draw.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kShadow{0, 0, 0};  // only ever used see-through, over something

double radians(double angle) { return angle * kPi / 180.0; }

// Cairo measures angles from 3 o'clock; ours start at 12.
double cairo_angle(double angle) { return radians(angle - 90.0); }

struct Point {
    double x;
    double y;
};

Point at_angle(double cx, double cy, double r, double angle) {
    return {cx + r * std::sin(radians(angle)), cy - r * std::cos(radians(angle))};
}

// How much a surface facing `angle` (outwards from a round part) faces the
// light: 1 towards it, 0 away from it.
double facing_light(double angle) { return 0.5 + 0.5 * std::cos(radians(angle - kLightAngle)); }

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

void stop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

// A gradient along the light: from the upper-left corner of the box round
// (cx, cy) with half-size r to its lower-right corner.
Pattern light_gradient(double cx, double cy, double r) {
    const double d = r * std::numbers::sqrt2 / 2;
    return Pattern(cairo_pattern_create_linear(cx - d, cy - d, cx + d, cy + d));
}

void circle_path(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_close_path(cr);
}

void rounded_rect_path(cairo_t* cr, const Rect& a, double radius) {
    radius = std::clamp(radius, 0.0, std::min(a.w, a.h) / 2);
    cairo_new_sub_path(cr);
    if (radius <= 0) {
        cairo_rectangle(cr, a.x, a.y, a.w, a.h);
        return;
    }
    cairo_arc(cr, a.x + a.w - radius, a.y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, a.x + a.w - radius, a.y + a.h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, a.x + radius, a.y + a.h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, a.x + radius, a.y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

Rect inset(const Rect& a, double by) { return {a.x + by, a.y + by, a.w - 2 * by, a.h - 2 * by}; }

// A soft round shadow under a part of radius r centred on (cx, cy).
void drop_shadow(cairo_t* cr, double cx, double cy, double r, double offset, double alpha) {
    Saved saved(cr);
    const double sx = cx + offset * 0.6, sy = cy + offset;
    Pattern shadow(cairo_pattern_create_radial(sx, sy, r * 0.8, sx, sy, r + offset * 1.6));
    stop(shadow.get(), 0, kShadow, alpha);
    stop(shadow.get(), 1, kShadow, 0);
    cairo_set_source(cr, shadow.get());
    circle_path(cr, sx, sy, r + offset * 1.6);
    cairo_fill(cr);
}

// The flat top of a knob: lit towards the upper left, with a chamfered rim.
void knob_cap(cairo_t* cr, double cx, double cy, double r, const KnobStyle& style) {
    Saved saved(cr);
    Pattern top = light_gradient(cx, cy, r);
    stop(top.get(), 0, style.cap_lit);
    stop(top.get(), 1, style.cap_shade);
    cairo_set_source(cr, top.get());
    circle_path(cr, cx, cy, r);
    cairo_fill(cr);

    // A faint turned-metal sheen: concentric rings a touch lighter.
    for (double ring = r * 0.25; ring < r * 0.95; ring += std::max(1.5, r * 0.12)) {
        set_source(cr, kWhite, 0.025);
        cairo_set_line_width(cr, 0.8);
        circle_path(cr, cx, cy, ring);
        cairo_stroke(cr);
    }

    // A soft sheen where the light falls on the top.
    Pattern sheen(cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, 0, cx - r * 0.35, cy - r * 0.4, r * 0.9));
    stop(sheen.get(), 0, kWhite, 0.10);
    stop(sheen.get(), 1, kWhite, 0);
    cairo_set_source(cr, sheen.get());
    circle_path(cr, cx, cy, r);
    cairo_fill(cr);

    // The chamfer: bright where it faces the light, dark opposite.
    Pattern rim = light_gradient(cx, cy, r);
    stop(rim.get(), 0, kWhite, 0.45);
    stop(rim.get(), 0.5, kWhite, 0.0);
    stop(rim.get(), 0.5, kShadow, 0.0);
    stop(rim.get(), 1, kShadow, 0.45);
    cairo_set_source(cr, rim.get());
    cairo_set_line_width(cr, std::max(1.0, r * 0.06));
    circle_path(cr, cx, cy, r - std::max(0.5, r * 0.03));
    cairo_stroke(cr);
}

// The side of a knob seen from the front: a ring between the cap and the
// edge, ribbed when ridges > 0.
void knob_skirt(cairo_t* cr, double cx, double cy, double r, int ridges, const KnobStyle& style) {
    Saved saved(cr);
    Pattern side = light_gradient(cx, cy, r);
    stop(side.get(), 0, mix(style.skirt_lit, style.skirt_shade, 0.35));
    stop(side.get(), 1, style.skirt_shade);
    cairo_set_source(cr, side.get());
    circle_path(cr, cx, cy, r);
    cairo_fill(cr);

    const double inner = r * style.cap_fraction - 0.5;
    if (ridges > 0) {
        const double pitch = 360.0 / ridges;
        // Grooves first, then the ridge tops, each shaded by where it faces.
        for (int i = 0; i < ridges; ++i) {
            const double angle = i * pitch;
            const double light = facing_light(angle);
            const double half = pitch * 0.28;
            Saved ridge(cr);
            cairo_new_path(cr);
            cairo_arc(cr, cx, cy, r, cairo_angle(angle - half), cairo_angle(angle + half));
            cairo_arc_negative(cr, cx, cy, inner, cairo_angle(angle + half), cairo_angle(angle - half));
            cairo_close_path(cr);
            set_source(cr, mix(style.skirt_shade, style.skirt_lit, light * light));
            cairo_fill(cr);

            const double groove = angle + pitch / 2;
            const Point a = at_angle(cx, cy, inner, groove), b = at_angle(cx, cy, r, groove);
            cairo_move_to(cr, a.x, a.y);
            cairo_line_to(cr, b.x, b.y);
            set_source(cr, style.groove, 0.35 + 0.4 * (1 - facing_light(groove)));
            cairo_set_line_width(cr, std::max(0.6, r * 2 * kPi / ridges * 0.18));
            cairo_stroke(cr);
        }
    }

    // The silhouette: a darker edge keeps the knob crisp against the face.
    set_source(cr, style.groove, 0.7);
    cairo_set_line_width(cr, 1.0);
    circle_path(cr, cx, cy, r - 0.5);
    cairo_stroke(cr);
}

void knob(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style) {
    cairo_t* cr = canvas.cr();
    drop_shadow(cr, cx, cy, r, r * style.shadow_offset, style.shadow_alpha);
    knob_skirt(cr, cx, cy, r, ridges, style);
    knob_cap(cr, cx, cy, r * style.cap_fraction, style);
}

void set_font(cairo_t* cr, double size, const LabelStyle& style) {
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Fills the current path as an engraving: the cut's walls first, then the ink.
void engrave_path(cairo_t* cr, const LabelStyle& style) {
    cairo_path_t* path = cairo_copy_path(cr);
    const struct {
        double dx, dy;
        Rgb colour;
        double alpha;
    } layers[] = {
        {0.7, 0.7, kWhite, style.highlight_alpha},
        {-0.6, -0.6, kShadow, style.shadow_alpha},
        {0, 0, style.ink, 1.0},
    };
    for (const auto& layer : layers) {
        Saved saved(cr);
        cairo_new_path(cr);
        cairo_translate(cr, layer.dx, layer.dy);
        cairo_append_path(cr, path);
        set_source(cr, layer.colour, layer.alpha);
        cairo_fill(cr);
    }
    cairo_path_destroy(path);
    cairo_new_path(cr);
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

void panel_face(Canvas& canvas, const Rect& area, const FaceStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    Pattern fill(cairo_pattern_create_linear(0, area.y, 0, area.y + area.h));
    stop(fill.get(), 0, style.top);
    stop(fill.get(), 1, style.bottom);
    cairo_set_source(cr, fill.get());
    rounded_rect_path(cr, area, style.corner_radius);
    cairo_fill(cr);

    // The bevel: light along the top and left, shade along the bottom and right.
    const Rect edge = inset(area, style.bevel_width / 2);
    const double reach = std::min(area.w, area.h);
    Pattern bevel(cairo_pattern_create_linear(area.x, area.y, area.x + reach, area.y + reach));
    stop(bevel.get(), 0, kWhite, style.highlight_alpha);
    stop(bevel.get(), 0.5, kWhite, 0);
    stop(bevel.get(), 0.5, kShadow, 0);
    stop(bevel.get(), 1, kShadow, style.shadow_alpha);
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
    stop(sink.get(), 0, kShadow, 0.65);
    stop(sink.get(), 1, kWhite, 0.18);
    cairo_set_source(cr, sink.get());
    circle_path(cr, cx, cy, hole);
    cairo_fill(cr);

    // The domed head, brightest towards the light.
    Pattern head(cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, 0, cx, cy, r * 1.1));
    stop(head.get(), 0, style.lit);
    stop(head.get(), 0.55, mix(style.lit, style.shade, 0.55));
    stop(head.get(), 1, style.shade);
    cairo_set_source(cr, head.get());
    circle_path(cr, cx, cy, r);
    cairo_fill(cr);

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

void recessed_window(Canvas& canvas, const Rect& area, const WindowStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);

    // The lip round the cut-out catches a little light on its lower right.
    Pattern lip(cairo_pattern_create_linear(area.x, area.y, area.x + area.w, area.y + area.h));
    stop(lip.get(), 0, kShadow, 0.35);
    stop(lip.get(), 1, kWhite, 0.22);
    cairo_set_source(cr, lip.get());
    cairo_set_line_width(cr, 1.0);
    rounded_rect_path(cr, inset(area, -0.5), style.corner_radius + 0.5);
    cairo_stroke(cr);

    // The walls: the whole cut-out in the lit colour, then the glass moved
    // towards the light so only the lower-right wall stays lit.
    rounded_rect_path(cr, area, style.corner_radius);
    cairo_clip(cr);
    set_source(cr, style.lit_wall);
    cairo_paint(cr);
    set_source(cr, style.glass);
    rounded_rect_path(cr, {area.x - style.wall, area.y - style.wall, area.w, area.h}, style.corner_radius);
    cairo_fill(cr);

    // The shadow the upper and left edges cast onto the glass.
    const Rect glass = {area.x, area.y, area.w - style.wall, area.h - style.wall};
    Pattern top(cairo_pattern_create_linear(0, glass.y, 0, glass.y + style.inner_shadow));
    stop(top.get(), 0, kShadow, style.inner_shadow_alpha);
    stop(top.get(), 1, kShadow, 0);
    cairo_set_source(cr, top.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, style.inner_shadow);
    cairo_fill(cr);
    Pattern left(cairo_pattern_create_linear(glass.x, 0, glass.x + style.inner_shadow, 0));
    stop(left.get(), 0, kShadow, style.inner_shadow_alpha * 0.8);
    stop(left.get(), 1, kShadow, 0);
    cairo_set_source(cr, left.get());
    cairo_rectangle(cr, glass.x, glass.y, style.inner_shadow, glass.h);
    cairo_fill(cr);

    // A faint reflection across the upper part of the glass.
    Pattern glare(cairo_pattern_create_linear(0, glass.y, 0, glass.y + glass.h));
    stop(glare.get(), 0, kWhite, style.glare_alpha);
    stop(glare.get(), 0.45, kWhite, style.glare_alpha * 0.6);
    stop(glare.get(), 0.46, kWhite, 0);
    cairo_set_source(cr, glare.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, glass.h);
    cairo_fill(cr);
}

void knob_plain(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style) {
    knob(canvas, cx, cy, r, 0, style);
}

void knob_ribbed(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style) {
    knob(canvas, cx, cy, r, std::max(ridges, 0), style);
}

void knob_dual_concentric(Canvas& canvas, double cx, double cy, double r_outer, double r_inner,
                          const KnobStyle& style) {
    // Ridges about 4 px apart on each knob, whatever its size.
    auto ridges_for = [](double r) { return std::max(12, static_cast<int>(std::lround(2 * kPi * r / 4.2))); };
    knob(canvas, cx, cy, r_outer, ridges_for(r_outer), style);
    KnobStyle inner = style;
    inner.shadow_alpha = style.shadow_alpha * 0.8;
    knob(canvas, cx, cy, r_inner, ridges_for(r_inner), inner);
}

void pointer_mark(Canvas& canvas, double cx, double cy, double r, double angle, const PointerStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const Point a = at_angle(cx, cy, r * style.from, angle), b = at_angle(cx, cy, r * style.to, angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // A dark bed under the paint keeps the line readable on the lit side.
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    set_source(cr, kShadow, 0.45);
    cairo_set_line_width(cr, style.width + 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    set_source(cr, style.colour);
    cairo_set_line_width(cr, style.width);
    cairo_stroke(cr);
}

double label_width(Canvas& canvas, std::string_view text, double size, const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    set_font(cr, size, style);
    const std::string s(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, s.c_str(), &extents);
    return extents.x_advance;
}

void engraved_label(Canvas& canvas, std::string_view text, double x, double y, double size, Align align,
                    const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    set_font(cr, size, style);
    const std::string s(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, s.c_str(), &extents);
    double left = x;
    if (align == Align::kCentre) left = x - extents.x_advance / 2;
    if (align == Align::kRight) left = x - extents.x_advance;
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, s.c_str());
    engrave_path(cr, style);
}

void engraved_arrow(Canvas& canvas, double cx, double cy, double size, Direction direction,
                    const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    double turn = 0;  // the arrow is drawn pointing up, then turned
    if (direction == Direction::kRight) turn = 90;
    if (direction == Direction::kDown) turn = 180;
    if (direction == Direction::kLeft) turn = 270;
    const double h = size * 0.5;
    const Point tip = at_angle(cx, cy, h, turn), left = at_angle(cx, cy, h, turn - 120),
                right = at_angle(cx, cy, h, turn + 120);
    cairo_new_path(cr);
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, right.x, right.y);
    cairo_line_to(cr, left.x, left.y);
    cairo_close_path(cr);
    engrave_path(cr, style);
}

void engraved_tick(Canvas& canvas, double cx, double cy, double r_from, double r_to, double angle, double width,
                   const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    // The tick as a thin quadrilateral so it engraves like any other shape.
    const Point a = at_angle(cx, cy, r_from, angle), b = at_angle(cx, cy, r_to, angle);
    const double nx = std::cos(radians(angle)) * width / 2, ny = std::sin(radians(angle)) * width / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, a.x - nx, a.y - ny);
    cairo_line_to(cr, b.x - nx, b.y - ny);
    cairo_line_to(cr, b.x + nx, b.y + ny);
    cairo_line_to(cr, a.x + nx, a.y + ny);
    cairo_close_path(cr);
    engrave_path(cr, style);
}

void engraved_wedge(Canvas& canvas, double cx, double cy, double r, double from, double to, double w_from,
                    double w_to, const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const int steps = std::max(8, static_cast<int>(std::abs(to - from) / 3));
    cairo_new_path(cr);
    for (int i = 0; i <= steps; ++i) {  // outer edge, from -> to
        const double t = static_cast<double>(i) / steps;
        const Point p = at_angle(cx, cy, r + (w_from + (w_to - w_from) * t) / 2, from + (to - from) * t);
        if (i == 0) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
    }
    for (int i = steps; i >= 0; --i) {  // inner edge, back
        const double t = static_cast<double>(i) / steps;
        const Point p = at_angle(cx, cy, r - (w_from + (w_to - w_from) * t) / 2, from + (to - from) * t);
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
    engrave_path(cr, style);
}

}  // namespace art

#include "art/labels.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/paint.h"

namespace art {

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

void engrave_current_path(cairo_t* cr, const LabelStyle& style) {
    cairo_path_t* path = cairo_copy_path(cr);
    const struct {
        double dx, dy;
        Rgb colour;
        double alpha;
    } layers[] = {
        {0.7, 0.7, kHighlightInk, style.highlight_alpha},
        {-0.6, -0.6, kShadowInk, style.shadow_alpha},
        {0, 0, style.ink, 1.0},
    };
    for (const auto& layer : layers) {
        if (layer.alpha <= 0) continue;
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
    engrave_current_path(cr, style);
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
    engrave_current_path(cr, style);
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
    engrave_current_path(cr, style);
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
    engrave_current_path(cr, style);
}

void label_block(Canvas& canvas, const Rect& area, std::string_view text, double size, const LabelStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    // `size` is the height of capitals; the font is a little larger. Lines
    // too wide for the area shrink the whole block to fit.
    set_font(cr, size / 0.72, style);
    double widest = 0;
    for (const std::string& line : lines) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr, line.c_str(), &extents);
        widest = std::max(widest, extents.x_advance);
    }
    const double room = area.w * 0.9;
    if (widest > room && widest > 0) {
        size *= room / widest;
        set_font(cr, size / 0.72, style);
    }
    const double pitch = size * 1.45;
    const double block = pitch * static_cast<double>(lines.size() - 1) + size;
    double baseline = area.y + (area.h - block) / 2 + size;
    for (const std::string& line : lines) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr, line.c_str(), &extents);
        cairo_new_path(cr);
        cairo_move_to(cr, area.x + (area.w - extents.x_advance) / 2, baseline);
        cairo_text_path(cr, line.c_str());
        engrave_current_path(cr, style);
        baseline += pitch;
    }
}

void placard(Canvas& canvas, const Rect& area, std::string_view text, double size, const PlacardStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    box_shadow(cr, area, style.corner_radius, 1.2, 2.0, 0.45);

    // The plate: its face with a faint sheen, and a rim lit on the upper left.
    rounded_rect_path(cr, area, style.corner_radius);
    Pattern face = linear_pattern(0, area.y, 0, area.y + area.h);
    stop(face.get(), 0, mix(style.plate, kHighlightInk, 0.06));
    stop(face.get(), 1, mix(style.plate, kShadowInk, 0.06));
    cairo_set_source(cr, face.get());
    cairo_fill(cr);
    Pattern rim = linear_pattern(area.x, area.y, area.x + area.w * 0.15, area.y + area.h);
    cairo_pattern_set_extend(rim.get(), CAIRO_EXTEND_PAD);
    stop(rim.get(), 0, mix(style.edge, kHighlightInk, 0.25));
    stop(rim.get(), 1, mix(style.edge, kShadowInk, 0.45));
    cairo_set_source(cr, rim.get());
    cairo_set_line_width(cr, 1.0);
    rounded_rect_path(cr, inset(area, 0.5), style.corner_radius - 0.5);
    cairo_stroke(cr);

    double left = area.x, right = area.x + area.w;
    if (style.rivets) {
        const double rr = std::min(area.h * 0.16, 2.2);
        for (const double x : {area.x + rr * 2.6, area.x + area.w - rr * 2.6}) {
            const double y = area.y + area.h / 2;
            Pattern head = radial_pattern(x - rr * 0.4, y - rr * 0.4, 0, x, y, rr);
            stop(head.get(), 0, {220, 220, 216});
            stop(head.get(), 1, {90, 90, 94});
            cairo_set_source(cr, head.get());
            circle_path(cr, x, y, rr);
            cairo_fill(cr);
        }
        left += rr * 5;
        right -= rr * 5;
    }

    Saved clipped(cr);
    rounded_rect_path(cr, inset(area, 1), style.corner_radius);
    cairo_clip(cr);
    label_block(canvas, {left, area.y, right - left, area.h}, text, size, style.text);
}

}  // namespace art

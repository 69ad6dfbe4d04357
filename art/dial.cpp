#include "art/dial.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/faces.h"
#include "art/paint.h"

namespace art {

void dial_face(Canvas& canvas, double cx, double cy, double r, const DialStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    Pattern face = radial_pattern(cx - r * 0.2, cy - r * 0.25, 0, cx, cy, r);
    stop(face.get(), 0, style.centre);
    stop(face.get(), 1, style.edge);
    cairo_set_source(cr, face.get());
    circle_path(cr, cx, cy, r);
    cairo_fill(cr);
    surface_finish(canvas, {cx - r, cy - r, 2 * r, 2 * r}, r, style.grain, 1, 5);
}

void scale_ticks(Canvas& canvas, const Arc& arc, int majors, int minors, const TickStyle& style) {
    if (majors < 2) return;
    minors = std::max(0, minors);
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    set_source(cr, style.colour);
    const int per_major = minors + 1;
    const int marks = (majors - 1) * per_major;
    const bool has_medium = style.medium_length > 0 && per_major % 2 == 0;
    for (int i = 0; i <= marks; ++i) {
        const double angle = arc.from + (arc.to - arc.from) * i / marks;
        double length = style.minor_length, width = style.minor_width;
        if (i % per_major == 0) {
            length = style.major_length;
            width = style.major_width;
        } else if (has_medium && i % per_major == per_major / 2) {
            length = style.medium_length;
            width = style.medium_width;
        }
        // Each mark as a thin quadrilateral, square at both ends.
        const double w = width * arc.r / 2;
        const Point a = at_angle(arc.cx, arc.cy, arc.r, angle), b = at_angle(arc.cx, arc.cy, arc.r * (1 - length), angle);
        const double nx = std::cos(radians(angle)) * w, ny = std::sin(radians(angle)) * w;
        cairo_move_to(cr, a.x - nx, a.y - ny);
        cairo_line_to(cr, b.x - nx, b.y - ny);
        cairo_line_to(cr, b.x + nx, b.y + ny);
        cairo_line_to(cr, a.x + nx, a.y + ny);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void scale_arc(Canvas& canvas, const Arc& arc, double width, Rgb colour) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    const double from = std::min(arc.from, arc.to), to = std::max(arc.from, arc.to);
    const double inner = arc.r * (1 - width);
    cairo_new_path(cr);
    cairo_arc(cr, arc.cx, arc.cy, arc.r, cairo_angle(from), cairo_angle(to));
    cairo_arc_negative(cr, arc.cx, arc.cy, inner, cairo_angle(to), cairo_angle(from));
    cairo_close_path(cr);
    set_source(cr, colour);
    cairo_fill(cr);
}

void scale_numerals(Canvas& canvas, const Arc& arc, std::span<const Numeral> numerals, const NumeralStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    // Font size such that the figures' cap height is the style's size.
    set_font(cr, style.size * arc.r / 0.72, style.font);
    for (const Numeral& n : numerals) {
        const std::string text(n.text);
        cairo_text_extents_t e;
        cairo_text_extents(cr, text.c_str(), &e);
        const Point p = at_angle(arc.cx, arc.cy, arc.r * style.radius, n.angle);
        Saved one(cr);
        cairo_translate(cr, p.x, p.y);
        if (!style.upright) cairo_rotate(cr, radians(n.angle));
        cairo_new_path(cr);
        cairo_move_to(cr, -(e.x_bearing + e.width / 2), -(e.y_bearing + e.height / 2));
        cairo_text_path(cr, text.c_str());
        engrave_current_path(cr, style.font);
    }
}

void scale_numerals(Canvas& canvas, const Arc& arc, std::span<const std::string_view> labels,
                    const NumeralStyle& style) {
    std::vector<Numeral> numerals;
    const size_t n = labels.size();
    for (size_t i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
        numerals.push_back({arc.from + (arc.to - arc.from) * t, labels[i]});
    }
    scale_numerals(canvas, arc, std::span<const Numeral>(numerals), style);
}

}  // namespace art

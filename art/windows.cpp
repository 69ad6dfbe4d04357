#include "art/windows.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "art/labels.h"
#include "art/paint.h"

namespace art {
namespace {

// The lip round a cut-out: dark on its upper-left edge, catching a little
// light on its lower right.
void cut_lip(cairo_t* cr, const Rect& area, double radius) {
    Saved saved(cr);
    Pattern lip = linear_pattern(area.x, area.y, area.x + area.w, area.y + area.h);
    stop(lip.get(), 0, kShadowInk, 0.40);
    stop(lip.get(), 1, kHighlightInk, 0.22);
    cairo_set_source(cr, lip.get());
    cairo_set_line_width(cr, 1.0);
    rounded_rect_path(cr, inset(area, -0.5), radius + 0.5);
    cairo_stroke(cr);
}

// The shadow the upper and left edges of a cut-out cast onto what is inside.
void inner_shadow(cairo_t* cr, const Rect& area, double depth, double alpha) {
    Saved saved(cr);
    Pattern top = linear_pattern(0, area.y, 0, area.y + depth);
    stop(top.get(), 0, kShadowInk, alpha);
    stop(top.get(), 1, kShadowInk, 0);
    cairo_set_source(cr, top.get());
    cairo_rectangle(cr, area.x, area.y, area.w, depth);
    cairo_fill(cr);
    Pattern left = linear_pattern(area.x, 0, area.x + depth, 0);
    stop(left.get(), 0, kShadowInk, alpha * 0.8);
    stop(left.get(), 1, kShadowInk, 0);
    cairo_set_source(cr, left.get());
    cairo_rectangle(cr, area.x, area.y, depth, area.h);
    cairo_fill(cr);
}

}  // namespace

void recessed_window(Canvas& canvas, const Rect& area, const WindowStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    cut_lip(cr, area, style.corner_radius);

    // The walls: the whole cut-out in the lit colour, then the glass moved
    // towards the light so only the lower-right wall stays lit.
    rounded_rect_path(cr, area, style.corner_radius);
    cairo_clip(cr);
    set_source(cr, style.lit_wall);
    cairo_paint(cr);
    set_source(cr, style.glass);
    rounded_rect_path(cr, {area.x - style.wall, area.y - style.wall, area.w, area.h}, style.corner_radius);
    cairo_fill(cr);

    const Rect glass = {area.x, area.y, area.w - style.wall, area.h - style.wall};
    inner_shadow(cr, glass, style.inner_shadow, style.inner_shadow_alpha);

    // A faint reflection across the upper part of the glass.
    Pattern glare = linear_pattern(0, glass.y, 0, glass.y + glass.h);
    stop(glare.get(), 0, kHighlightInk, style.glare_alpha);
    stop(glare.get(), 0.40, kHighlightInk, style.glare_alpha * 0.55);
    stop(glare.get(), 0.60, kHighlightInk, 0);
    cairo_set_source(cr, glare.get());
    cairo_rectangle(cr, glass.x, glass.y, glass.w, glass.h);
    cairo_fill(cr);
}

void lcd_window(Canvas& canvas, const Rect& area, std::string_view ghost, const LcdStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    cut_lip(cr, area, style.corner_radius);
    rounded_rect_path(cr, area, style.corner_radius);
    cairo_clip(cr);

    // The field, with a faint mottling of the polariser.
    Pattern field = linear_pattern(0, area.y, 0, area.y + area.h);
    stop(field.get(), 0, style.field_top);
    stop(field.get(), 1, style.field_bottom);
    cairo_set_source(cr, field.get());
    cairo_paint(cr);

    if (!ghost.empty()) {
        const std::string text(ghost);
        const double size = area.h * 0.6;
        set_font(cr, size, {style.segment, style.segment_font, false, 0, 0});
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text.c_str(), &extents);
        cairo_move_to(cr, area.x + area.w - extents.x_advance - area.h * 0.2, area.y + area.h / 2 + size / 2);
        set_source(cr, style.segment, style.ghost_alpha);
        cairo_show_text(cr, text.c_str());
    }

    // The glass sits below the face: its upper and left edges cast a shadow,
    // the cover glass catches a soft reflection.
    inner_shadow(cr, area, std::min(6.0, area.h * 0.25), 0.50);
    Pattern glare = linear_pattern(area.x, area.y, area.x + area.w * 0.6, area.y + area.h);
    stop(glare.get(), 0, kHighlightInk, 0.10);
    stop(glare.get(), 0.5, kHighlightInk, 0.03);
    stop(glare.get(), 1, kHighlightInk, 0);
    cairo_set_source(cr, glare.get());
    cairo_paint(cr);
}

void drum_digits(Canvas& canvas, const Rect& slot, std::string_view text, double roll, const DrumStyle& style) {
    cairo_t* cr = canvas.cr();
    Saved saved(cr);
    cut_lip(cr, slot, 1.5);
    rounded_rect_path(cr, slot, 1.5);
    cairo_clip(cr);
    set_source(cr, mix(style.drum, kShadowInk, 0.6));
    cairo_paint(cr);
    if (text.empty()) return;

    const double cell = slot.w / static_cast<double>(text.size());
    // Ten figures round each drum, a little more than a figure's height apart:
    // the slot shows one whole and the edges of its neighbours.
    const double size = slot.h * style.numeral_height;
    const double radius = 10 * size * 1.15 / (2 * kPi), cy = slot.y + slot.h / 2;
    set_font(cr, size, {style.numeral, style.family, true, 0, 0});

    for (size_t i = 0; i < text.size(); ++i) {
        const Rect drum{slot.x + cell * static_cast<double>(i) + style.gap / 2, slot.y, cell - style.gap, slot.h};
        Saved one(cr);
        cairo_rectangle(cr, drum.x, drum.y, drum.w, drum.h);
        cairo_clip(cr);
        set_source(cr, style.drum);
        cairo_paint(cr);

        const char c = text[i];
        const bool digit = c >= '0' && c <= '9';
        const double turn = (i + 1 == text.size() && digit) ? std::clamp(roll, 0.0, 1.0) : 0.0;
        // Figures round the drum 36 degrees apart; the next one comes up from below.
        for (int k = -2; k <= 2; ++k) {
            if (!digit && k != 0) continue;
            const double a = radians((k - turn) * 36.0);
            if (std::abs(a) >= kPi / 2) continue;
            const char figure = digit ? static_cast<char>('0' + ((c - '0' + k) % 10 + 10) % 10) : c;
            const std::string s(1, figure);
            cairo_text_extents_t e;
            cairo_text_extents(cr, s.c_str(), &e);
            Saved glyph(cr);
            cairo_translate(cr, drum.x + drum.w / 2, cy + radius * std::sin(a));
            cairo_scale(cr, 1, std::cos(a));
            cairo_move_to(cr, -(e.x_bearing + e.width / 2), -(e.y_bearing + e.height / 2));
            set_source(cr, style.numeral);
            cairo_show_text(cr, s.c_str());
        }

        // The drum's curve: bright across its middle, darkening as it turns away.
        Pattern curve = linear_pattern(0, slot.y, 0, slot.y + slot.h);
        stop(curve.get(), 0, kShadowInk, 0.78);
        stop(curve.get(), 0.22, kShadowInk, 0.30);
        stop(curve.get(), 0.45, kHighlightInk, 0.05);
        stop(curve.get(), 0.55, kHighlightInk, 0.03);
        stop(curve.get(), 0.80, kShadowInk, 0.35);
        stop(curve.get(), 1, kShadowInk, 0.82);
        cairo_set_source(cr, curve.get());
        cairo_paint(cr);
    }
    inner_shadow(cr, slot, std::min(5.0, slot.h * 0.18), 0.55);
}

}  // namespace art

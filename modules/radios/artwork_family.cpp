#include "modules/radios/artwork_family.h"

#include "art/draw.h"

namespace radios {

void draw_faceplate(art::Canvas& canvas, double frame_width, double screw_inset, double screw_radius,
                    const double (&screw_turns)[4]) {
    const double w = canvas.width(), h = canvas.height();
    art::panel_face(canvas, {0, 0, w, h}, art::kRackFrame);
    art::panel_face(canvas, {frame_width, frame_width, w - 2 * frame_width, h - 2 * frame_width}, art::kBrushedFace);
    const double sx[2] = {screw_inset, w - screw_inset}, sy[2] = {screw_inset, h - screw_inset};
    for (int i = 0; i < 4; ++i) art::screw(canvas, sx[i % 2], sy[i / 2], screw_radius, screw_turns[i]);
}

void draw_maker_mark(art::Canvas& canvas, double x, double baseline, double scale, const char* model) {
    cairo_t* cr = canvas.cr();
    const double s = scale, y = baseline;
    const struct {
        double length;
        bool accent;
    } bars[] = {{20, true}, {16, false}, {12, false}};
    for (int i = 0; i < 3; ++i) {
        const double top = y + (-11 + i * 4.0) * s, right = x + (24 - i * 2.0) * s, slant = 2.2 * s;
        cairo_new_path(cr);
        cairo_move_to(cr, right - bars[i].length * s + slant, top);
        cairo_line_to(cr, right + slant, top);
        cairo_line_to(cr, right, top + 2.6 * s);
        cairo_line_to(cr, right - bars[i].length * s, top + 2.6 * s);
        cairo_close_path(cr);
        art::engrave_current_path(cr, bars[i].accent ? art::LabelStyle{{214, 58, 38}, "", true, 0.55, 0.10}
                                                     : art::kEngravedWhite);
    }
    art::engraved_label(canvas, "NORVANE", x + 30 * s, y, 12 * s, art::Align::kLeft,
                        {{226, 226, 220}, "DejaVu Sans", true, 0.55, 0.10});
    if (model != nullptr) {
        art::engraved_label(canvas, model, x + 100 * s, y, 8 * s, art::Align::kLeft, art::kEngravedSmall);
    }
}

void draw_display_glass(art::Canvas& canvas, const art::Rect& glass, double bezel) {
    art::panel_face(canvas, art::inset(glass, -bezel), {{34, 34, 36}, {24, 24, 26}, bezel + 2, 1.3, 0.22, 0.6, 0, 1});
    art::recessed_window(canvas, glass, {{13, 10, 8}, {70, 70, 74}, 3.0, 1.2, 6.0, 0.60, 0.030});
}

void draw_display_divider(art::Canvas& canvas, const art::Rect& glass, double x, double margin) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    art::set_source(cr, {30, 28, 26});
    cairo_rectangle(cr, x - 1, glass.y + margin, 1, glass.h - 2 * margin);
    cairo_fill(cr);
    art::set_source(cr, {5, 4, 3});
    cairo_rectangle(cr, x, glass.y + margin, 1, glass.h - 2 * margin);
    cairo_fill(cr);
}

}  // namespace radios

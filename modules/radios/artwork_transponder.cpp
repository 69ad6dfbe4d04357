// The transponder's artwork: its face, the code drum strip and the window it
// is seen through, the lit reply lamp, and the mode knob at each of its five
// positions.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the records in transponder.cpp:
//   mode knob icon   (10, 15) 50x50: left of x 30 turns it down, right of it up,
//                    so the knob is centred on x 30
//   reply lamp icon  (79, 22) 25x15
//   code drums       (130, 14), (188, 14), (246, 14), (304, 14): each the strip
//                    seen through an 11x19 window
//   code knobs       under the areas (120, 30) 24x24, and 58 px apart from there
//
// The face is drawn at the same physical width as the COM/NAV radio's 600 px
// face, so its parts are the radio's sizes times kScale; text stays a
// readable size even so.
//
// The drum strip moves by value x (180 - 19) / 9 px, so digit d sits centred
// at d x 161/9 + 9.5 on the strip and each digit ends up in the middle of
// the window. The strip's drum shading repeats with every digit: at rest the
// window always shows one digit's cell, its top and bottom turning away.
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "art/canvas.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "modules/radios/artwork_family.h"
#include "modules/radios/artwork_parts.h"
#include "modules/radios/bitmaps.h"

namespace {

using art::Align;
using art::Canvas;
using art::Rect;

constexpr int kFaceWidth = 352;
constexpr int kFaceHeight = 90;
constexpr double kScale = kFaceWidth / 600.0;

// Faceplate inside its frame, as on the COM/NAV radio.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0 * kScale;
constexpr double kScrewRadius = 5.5 * kScale;
constexpr double kScrewTurns[4] = {71.0, 18.0, 40.0, -9.0};

constexpr art::LabelStyle kLegend = art::kEngravedSmall;
constexpr double kLegendSize = 6.2;

// ---------------------------------------------------------------------------
// The mode knob: its icon at (10,15), the knob centred on the line between
// the down and up halves of its mouse area.

constexpr double kModeBoxX = 10;
constexpr double kModeBoxY = 15;
constexpr double kModeCx = 20;  // within its box
constexpr double kModeCy = 25;
constexpr double kModeRadius = 16.5;
constexpr int kModeRidges = 26;
struct ModePosition {
    const char* name;
    double angle;
};
// Clockwise from OFF: the way the up half of the mouse area turns it.
constexpr ModePosition kModes[] = {{"OFF", -40}, {"SBY", 0}, {"ON", 40}, {"ALT", 80}, {"TST", 120}};
constexpr double kModeTickFrom = kModeRadius + 2.5;
constexpr double kModeTickTo = kModeRadius + 5.5;

// ---------------------------------------------------------------------------
// The reply lamp: a small annunciator whose lit glass is the icon.

constexpr Rect kLamp{79, 22, 25, 15};
constexpr double kLampLegendSize = 5.0;

// ---------------------------------------------------------------------------
// The code drums and their knobs.

constexpr double kDrumX[4] = {130, 188, 246, 304};
constexpr double kDrumY = 14;
constexpr int kDrumWidth = 11;
constexpr int kDrumHeight = 19;    // the window
constexpr int kStripHeight = 180;  // ten digits
constexpr double kDrumPitch = (kStripHeight - kDrumHeight) / 9.0;
constexpr double kDrumBezel = 3.0;

constexpr double kCodeAreaX[4] = {120, 178, 236, 294};
constexpr double kCodeKnobDx = 14;  // from the area's left end: under its drum, inside the area
constexpr double kCodeKnobY = 44;
constexpr double kCodeKnobRadius = 8;

// The bracket under the knobs that names them.
constexpr double kBracketY = 60;

constexpr double kBottomLine = 80;

// The drum: dark, lit across its middle, turning away into shade above and
// below; white figures.
constexpr art::Rgb kDrumEdge{10, 10, 11};
constexpr art::Rgb kDrumShoulder{28, 28, 30};
constexpr art::Rgb kDrumMiddle{44, 44, 47};
constexpr art::LabelStyle kDrumFigures{{236, 236, 228}, "DejaVu Sans Condensed", true, 0, 0};
constexpr double kDrumFigureSize = 12.5;

// The drum's surface on one digit's cell, from `top` to `top + height`.
void drum_cell(cairo_t* cr, double x, double top, double width, double height) {
    art::Pattern curve = art::linear_pattern(0, top, 0, top + height);
    art::stop(curve.get(), 0.0, kDrumEdge);
    art::stop(curve.get(), 0.22, kDrumShoulder);
    art::stop(curve.get(), 0.50, kDrumMiddle);
    art::stop(curve.get(), 0.78, kDrumShoulder);
    art::stop(curve.get(), 1.0, kDrumEdge);
    cairo_set_source(cr, curve.get());
    cairo_rectangle(cr, x, top, width, height);
    cairo_fill(cr);
}

// The figure `text` centred on (cx, cy) by its ink.
void centred_figure(cairo_t* cr, const std::string& text, double cx, double cy, double size) {
    art::Saved saved(cr);
    art::set_font(cr, size, kDrumFigures);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    art::set_source(cr, kDrumFigures.ink);
    cairo_move_to(cr, cx - (e.x_bearing + e.width / 2), cy - (e.y_bearing + e.height / 2));
    cairo_show_text(cr, text.c_str());
}

// The window's cut edge, 1 px round the opening: in shade along the top and
// left, catching the light along the bottom and right. Inside it, pure black.
void drum_window_rim(Canvas& canvas, int x0, int y0) {
    const art::Rgb top{9, 9, 10}, left{14, 14, 15}, right{70, 70, 74}, bottom{92, 92, 96};
    for (int x = 0; x < kDrumWidth; ++x) {
        canvas.set_pixel(x0 + x, y0, top);
        canvas.set_pixel(x0 + x, y0 + kDrumHeight - 1, bottom);
    }
    for (int y = 1; y < kDrumHeight - 1; ++y) {
        canvas.set_pixel(x0, y0 + y, left);
        canvas.set_pixel(x0 + kDrumWidth - 1, y0 + y, right);
    }
}

// ---------------------------------------------------------------------------
// Parts

void draw_mode_knob(Canvas& canvas, double box_x, double box_y, double angle) {
    const double cx = box_x + kModeCx, cy = box_y + kModeCy;
    art::knob_ribbed(canvas, cx, cy, kModeRadius, kModeRidges);
    art::pointer_mark(canvas, cx, cy, kModeRadius * art::kBlackKnob.cap_fraction, angle,
                      {{240, 240, 236}, 0.10, 0.96, 2.2});
}

void draw_mode_scale(Canvas& canvas) {
    const double cx = kModeBoxX + kModeCx, cy = kModeBoxY + kModeCy;
    for (const ModePosition& m : kModes) {
        art::engraved_tick(canvas, cx, cy, kModeTickFrom, kModeTickTo, m.angle, 1.4, kLegend);
        // Each name just clear of its tick: further out where it lies across the radius.
        const double half = art::label_width(canvas, m.name, kLegendSize, kLegend) / 2;
        const double angle = art::radians(m.angle);
        const double reach = kModeTickTo + 2 + half * std::abs(std::sin(angle)) +
                             kLegendSize * 0.36 * std::abs(std::cos(angle));
        const art::Point p = art::at_angle(cx, cy, reach, m.angle);
        art::engraved_label(canvas, m.name, p.x, p.y + kLegendSize * 0.36, kLegendSize, Align::kCentre, kLegend);
    }
}

void draw_lamp(Canvas& canvas, double x, double y, bool lit) {
    art::annunciator(canvas, {x, y, kLamp.w, kLamp.h}, "REPLY", kLampLegendSize, art::LampColour::kAmber, lit);
}

void draw_drum_place(Canvas& canvas, double x) {
    // A raised black bezel round the window, the drum behind it (the strip
    // covers it; it shows blank when a failure takes the drum away).
    const Rect window{x, kDrumY, kDrumWidth, kDrumHeight};
    art::panel_face(canvas, art::inset(window, -kDrumBezel), {{36, 36, 38}, {24, 24, 26}, 2.0, 1.2, 0.22, 0.6, 0, 1});
    drum_cell(canvas.cr(), window.x, window.y, window.w, window.h);
    drum_window_rim(canvas, static_cast<int>(x), static_cast<int>(kDrumY));
}

void draw_code_knob(Canvas& canvas, double area_x) {
    art::knob_ribbed(canvas, area_x + kCodeKnobDx, kCodeKnobY, kCodeKnobRadius, 16);
}

// A thin engraved line with its ends turned up under the code knobs, "CODE"
// in a gap at its middle.
void draw_code_bracket(Canvas& canvas) {
    const double left = kCodeAreaX[0] + 4, right = kCodeAreaX[3] + 26, mid = (left + right) / 2;
    const double gap = art::label_width(canvas, "CODE", kLegendSize, kLegend) / 2 + 4;
    cairo_t* cr = canvas.cr();
    for (const double sign : {-1.0, 1.0}) {
        const double end = sign < 0 ? left : right, inner = mid + sign * gap;
        cairo_new_path(cr);
        cairo_move_to(cr, end, kBracketY - 4);
        cairo_line_to(cr, end, kBracketY);
        cairo_line_to(cr, inner, kBracketY);
        cairo_line_to(cr, inner, kBracketY + 0.9);
        cairo_line_to(cr, end - sign * 0.9, kBracketY + 0.9);
        cairo_line_to(cr, end - sign * 0.9, kBracketY - 4);
        cairo_close_path(cr);
        art::engrave_current_path(cr, kLegend);
    }
    art::engraved_label(canvas, "CODE", mid, kBracketY + kLegendSize * 0.38, kLegendSize, Align::kCentre, kLegend);
}

// ---------------------------------------------------------------------------
// The bitmaps

void draw_face(Canvas& canvas) {
    const double w = canvas.width();
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_mode_scale(canvas);
    draw_mode_knob(canvas, kModeBoxX, kModeBoxY, kModes[0].angle);

    draw_lamp(canvas, kLamp.x, kLamp.y, false);

    for (const double x : kDrumX) draw_drum_place(canvas, x);
    for (const double x : kCodeAreaX) draw_code_knob(canvas, x);
    draw_code_bracket(canvas);

    radios::draw_maker_mark(canvas, 150, kBottomLine, kScale * 1.15, "NT 76");
    art::engraved_label(canvas, "TRANSPONDER", w - kScrewInset - 9, kBottomLine, 8.0, Align::kRight);
}

void draw_drum_strip(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    for (int d = 0; d <= 9; ++d) {
        const double centre = d * kDrumPitch + kDrumHeight / 2.0;
        const double top = d == 0 ? 0 : centre - kDrumPitch / 2;
        const double bottom = d == 9 ? kStripHeight : centre + kDrumPitch / 2;
        drum_cell(cr, 0, top, kDrumWidth, bottom - top);
        centred_figure(cr, std::to_string(d), kDrumWidth / 2.0, centre, kDrumFigureSize);
    }
}

void draw_drum_window(Canvas& canvas) { drum_window_rim(canvas, 0, 0); }

void draw_lamp_lit(Canvas& canvas) { draw_lamp(canvas, 0, 0, true); }

template <int Position>
void draw_mode_knob_at(Canvas& canvas) {
    draw_mode_knob(canvas, 0, 0, kModes[Position].angle);
}

// The declared size of bitmap `id`, to hold the layout above to it.
constexpr bool declared_as(uint32_t id, int width, int height) {
    for (const BitmapResource& b : radios::kBitmaps) {
        if (b.id == id) return b.width == width && b.height == height;
    }
    return false;
}

static_assert(declared_as(radios::kBmpTransponderFace, kFaceWidth, kFaceHeight));
static_assert(declared_as(radios::kBmpCodeDrumStrip, kDrumWidth, kStripHeight));
static_assert(declared_as(radios::kBmpCodeDrumWindow, kDrumWidth, kDrumHeight));
static_assert(declared_as(radios::kBmpReplyLamp, static_cast<int>(kLamp.w), static_cast<int>(kLamp.h)));
static_assert(declared_as(radios::kBmpModeKnobOff, 50, 50) && declared_as(radios::kBmpModeKnobTst, 50, 50));

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpTransponderFace, draw_face},    {radios::kBmpCodeDrumStrip, draw_drum_strip},
    {radios::kBmpCodeDrumWindow, draw_drum_window}, {radios::kBmpReplyLamp, draw_lamp_lit},
    {radios::kBmpModeKnobOff, draw_mode_knob_at<0>}, {radios::kBmpModeKnobSby, draw_mode_knob_at<1>},
    {radios::kBmpModeKnobOn, draw_mode_knob_at<2>},  {radios::kBmpModeKnobAlt, draw_mode_knob_at<3>},
    {radios::kBmpModeKnobTst, draw_mode_knob_at<4>},
};

}  // namespace

std::vector<art::Drawing> radios::transponder_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

// The radio stack's bitmaps: the combined COM/NAV radio face (one for each of
// the two radios) and the VOL/OFF knob in its two positions.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the radio's text boxes and mouse areas in comnav.cpp.
#include "art/canvas.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "modules/radios/bitmaps.h"

namespace {

using art::Align;
using art::Canvas;
using art::Direction;
using art::Rect;

constexpr int kFaceWidth = 600;
constexpr int kFaceHeight = 240;

// Faceplate inside its frame.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 14.0;
constexpr double kScrewRadius = 6.0;
constexpr double kScrewTurns[4] = {12.0, 57.0, -21.0, 33.0};  // screws never line up

// The frequency windows: the host writes the frequencies into the text boxes,
// the windows sit just round them.
struct Window {
    Rect text_box;
    const char* label;
};
constexpr Window kWindows[] = {
    {{88, 40, 232, 60}, "COM"},
    {{330, 40, 232, 60}, "NAV"},
};
constexpr double kWindowMarginX = 3.0;
constexpr double kWindowMarginY = 4.0;
constexpr double kWindowLabelSize = 11.0;

// The tuning knobs and their click areas: whole units on the left two
// areas, fractions on the right two.
struct TuningKnob {
    double area_x;  // left end of the knob's mouse area
    double cx;
    double cy;
};
constexpr TuningKnob kTuningKnobs[] = {
    {80, 200, 137},   // COM
    {325, 445, 137},  // NAV
};
constexpr double kTuningOuter = 29.0;
constexpr double kTuningInner = 16.5;
constexpr double kHintSize = 9.0;
constexpr double kHintArrow = 7.0;

// The VOL/OFF knob: drawn in a 65x60 box, at (45,165) on the face.
constexpr double kPowerBoxX = 45;
constexpr double kPowerBoxY = 165;
constexpr double kPowerCx = 32.5;  // within its box
constexpr double kPowerCy = 30.0;
constexpr double kPowerRadius = 24.0;
constexpr int kPowerRidges = 28;
constexpr double kPowerOffAngle = -45.0;
constexpr double kPowerOnAngle = 60.0;
constexpr double kPowerLabelSize = 9.5;

constexpr double kNameSize = 13.0;

void draw_power_knob(Canvas& canvas, double box_x, double box_y, double angle) {
    const double cx = box_x + kPowerCx, cy = box_y + kPowerCy;
    art::knob_ribbed(canvas, cx, cy, kPowerRadius, kPowerRidges);
    art::pointer_mark(canvas, cx, cy, kPowerRadius * art::kBlackKnob.cap_fraction, angle);
}

void draw_frequency_window(Canvas& canvas, const Window& w) {
    const Rect box = w.text_box;
    art::recessed_window(canvas, {box.x - kWindowMarginX, box.y - kWindowMarginY, box.w + 2 * kWindowMarginX,
                                  box.h + 2 * kWindowMarginY});
    art::engraved_label(canvas, w.label, box.x, box.y - kWindowMarginY - 5, kWindowLabelSize);
}

// A dual knob with "MHz" hints over its whole-unit click areas and "kHz"
// hints over its fraction areas: down on the left, up on the right.
void draw_tuning_knob(Canvas& canvas, const TuningKnob& k) {
    art::knob_dual_concentric(canvas, k.cx, k.cy, kTuningOuter, kTuningInner);
    const double y = k.cy + 3;
    const double whole_left = k.area_x, whole_right = k.cx - kTuningOuter - 4;
    art::engraved_arrow(canvas, whole_left + 14, y - 3, kHintArrow, Direction::kDown);
    art::engraved_label(canvas, "MHz", (whole_left + 14 + whole_right - 10) / 2, y, kHintSize, Align::kCentre);
    art::engraved_arrow(canvas, whole_right - 10, y - 3, kHintArrow, Direction::kUp);
    const double fraction_left = k.cx + kTuningOuter + 6, fraction_right = k.area_x + 214;
    art::engraved_arrow(canvas, fraction_left + 4, y - 3, kHintArrow, Direction::kDown);
    art::engraved_label(canvas, "kHz", (fraction_left + fraction_right) / 2, y, kHintSize, Align::kCentre);
    art::engraved_arrow(canvas, fraction_right - 4, y - 3, kHintArrow, Direction::kUp);
}

void draw_power_scale(Canvas& canvas) {
    const double cx = kPowerBoxX + kPowerCx, cy = kPowerBoxY + kPowerCy;
    const double r = kPowerRadius + 5;
    art::engraved_tick(canvas, cx, cy, kPowerRadius + 2.5, kPowerRadius + 8, kPowerOffAngle, 1.6);
    art::engraved_wedge(canvas, cx, cy, r + 0.5, 20, 100, 0.8, 4.0);
    art::engraved_label(canvas, "OFF", cx - 24, kPowerBoxY - 4, kPowerLabelSize, Align::kCentre);
    art::engraved_label(canvas, "VOL", cx + 30, kPowerBoxY - 4, kPowerLabelSize, Align::kCentre);
}

void draw_face(Canvas& canvas, const char* name) {
    const double w = canvas.width(), h = canvas.height();
    art::panel_face(canvas, {0, 0, w, h}, art::kRackFrame);
    art::panel_face(canvas, {kFrameWidth, kFrameWidth, w - 2 * kFrameWidth, h - 2 * kFrameWidth});

    const double sx[2] = {kScrewInset, w - kScrewInset}, sy[2] = {kScrewInset, h - kScrewInset};
    for (int i = 0; i < 4; ++i) art::screw(canvas, sx[i % 2], sy[i / 2], kScrewRadius, kScrewTurns[i]);

    for (const Window& window : kWindows) draw_frequency_window(canvas, window);
    for (const TuningKnob& knob : kTuningKnobs) draw_tuning_knob(canvas, knob);

    draw_power_scale(canvas);
    draw_power_knob(canvas, kPowerBoxX, kPowerBoxY, kPowerOffAngle);

    art::engraved_label(canvas, name, w - kScrewInset - 16, h - 16, kNameSize, Align::kRight);
}

void draw_face_1(Canvas& canvas) { draw_face(canvas, "COM/NAV 1"); }
void draw_face_2(Canvas& canvas) { draw_face(canvas, "COM/NAV 2"); }
void draw_knob_off(Canvas& canvas) { draw_power_knob(canvas, 0, 0, kPowerOffAngle); }
void draw_knob_on(Canvas& canvas) { draw_power_knob(canvas, 0, 0, kPowerOnAngle); }

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpComNav1Face, draw_face_1},
    {radios::kBmpPowerKnobOff, draw_knob_off},
    {radios::kBmpPowerKnobOn, draw_knob_on},
    {radios::kBmpComNav2Face, draw_face_2},
};

static_assert(kFaceWidth == radios::kBitmaps[0].width && kFaceHeight == radios::kBitmaps[0].height);

}  // namespace

art::ModuleArtwork art::module_artwork() {
    return {"Radios", "Flight Simulator 2002 Gauge", radios::kBitmaps, kDrawings};
}

// The COM/NAV radios' artwork: the combined COM/NAV face, one for each of the
// two radios, and the VOL/OFF knob in its two positions.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the radio's text boxes and mouse areas in comnav.cpp:
//   COM frequency text box  (88, 40) 232x60;  NAV text box (330, 40) 232x60
//   VOL/OFF knob icon       (45, 165) 65x60: left half turns it OFF, right half ON
//   COM tuning area         (80, 90) 220x80:  x 80..139 MHz down, 141..200 MHz up,
//                                              220..248 kHz down, 250..278 kHz up
//   NAV tuning area         (325, 90) 220x80: the same, 245 px to the right
// Each tuning area gets two knobs, as on the classic two-knob radios: a large
// MHz knob centred on the line between its down and up halves, and a smaller
// kHz knob centred between its own two halves, so a click on a knob's left
// side turns it down and on its right side turns it up.
#include <iterator>
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
using art::Direction;
using art::Rect;

constexpr int kFaceWidth = 600;
constexpr int kFaceHeight = 240;

// Faceplate inside its frame.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0;
constexpr double kScrewRadius = 5.5;
constexpr double kScrewTurns[4] = {12.0, 57.0, -21.0, 33.0};  // screws never line up

// The frequency display: one dark glass behind both text boxes, with a
// divider between COM and NAV. The host writes the frequencies into the boxes.
constexpr Rect kComText{88, 40, 232, 60};
constexpr Rect kNavText{330, 40, 232, 60};
constexpr double kGlassMarginX = 6.0;
constexpr double kGlassMarginY = 5.0;
constexpr double kDividerX = (kComText.x + kComText.w + kNavText.x) / 2;
constexpr double kSectionLabelSize = 9.5;

// The tuning knobs of one radio half, from the left end of its mouse area.
struct Tuning {
    double area_x;
    const char* name;  // engraved over the display window
    double name_x;
};
constexpr Tuning kTunings[] = {{80, "COMM", kComText.x}, {325, "NAV", kNavText.x}};
constexpr double kWholeOffset = 60;     // MHz knob centre from the area's left end (between 139 and 141)
constexpr double kFractionOffset = 169; // kHz knob centre (between 248 and 250)
constexpr double kKnobY = 139;
constexpr double kWholeRadius = 25;
constexpr double kFractionRadius = 19;
constexpr double kUnitLabelY = 182;
constexpr double kUnitLabelSize = 9;
constexpr double kHintArrow = 6.5;

// The VOL/OFF knob: drawn in a 65x60 box, at (45,165) on the face.
constexpr double kPowerBoxX = 45;
constexpr double kPowerBoxY = 165;
constexpr double kPowerCx = 32.5;  // within its box
constexpr double kPowerCy = 30.0;
constexpr double kPowerRadius = 22.0;
constexpr int kPowerRidges = 30;
constexpr double kPowerOffAngle = -45.0;
constexpr double kPowerOnAngle = 60.0;
constexpr double kPowerLabelSize = 8.5;

// The maker's plate and the unit name along the bottom.
constexpr double kBottomLine = 218;

// Legends small enough to need the narrow face.
constexpr art::LabelStyle kLegend = art::kEngravedSmall;

void draw_power_knob(Canvas& canvas, double box_x, double box_y, double angle) {
    const double cx = box_x + kPowerCx, cy = box_y + kPowerCy;
    art::knob_ribbed(canvas, cx, cy, kPowerRadius, kPowerRidges);
    art::pointer_mark(canvas, cx, cy, kPowerRadius * art::kBlackKnob.cap_fraction, angle,
                      {{240, 240, 236}, 0.28, 0.96, 2.2});
}

void draw_display(Canvas& canvas) {
    const Rect glass{kComText.x - kGlassMarginX, kComText.y - kGlassMarginY,
                     kNavText.x + kNavText.w + kGlassMarginX - (kComText.x - kGlassMarginX),
                     kComText.h + 2 * kGlassMarginY};
    radios::draw_display_glass(canvas, glass, 4);
    radios::draw_display_divider(canvas, glass, kDividerX, 8);  // between COM and NAV

    for (const Tuning& t : kTunings) {
        art::engraved_label(canvas, t.name, t.name_x, glass.y - 8, kSectionLabelSize, Align::kLeft, kLegend);
    }
}

// The "down" and "up" hints under a knob, either side of its unit.
void draw_knob_hints(Canvas& canvas, double cx, double spread, const char* unit) {
    art::engraved_arrow(canvas, cx - spread, kUnitLabelY - 3.2, kHintArrow, Direction::kDown, kLegend);
    art::engraved_label(canvas, unit, cx, kUnitLabelY, kUnitLabelSize, Align::kCentre, kLegend);
    art::engraved_arrow(canvas, cx + spread, kUnitLabelY - 3.2, kHintArrow, Direction::kUp, kLegend);
}

void draw_tuning(Canvas& canvas, const Tuning& t) {
    const double whole = t.area_x + kWholeOffset, fraction = t.area_x + kFractionOffset;
    art::knob_ribbed(canvas, whole, kKnobY, kWholeRadius, 40);
    art::knob_ribbed(canvas, fraction, kKnobY, kFractionRadius, 30);
    draw_knob_hints(canvas, whole, 22, "MHz");
    draw_knob_hints(canvas, fraction, 20, "kHz");
}

void draw_power_scale(Canvas& canvas) {
    const double cx = kPowerBoxX + kPowerCx, cy = kPowerBoxY + kPowerCy;
    art::engraved_tick(canvas, cx, cy, kPowerRadius + 3, kPowerRadius + 8, kPowerOffAngle, 1.6, kLegend);
    art::engraved_wedge(canvas, cx, cy, kPowerRadius + 6, 22, 100, 0.8, 4.0, kLegend);
    art::engraved_label(canvas, "OFF", cx - 24, kPowerBoxY - 3, kPowerLabelSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "VOL", cx + 27, kPowerBoxY - 3, kPowerLabelSize, Align::kCentre, kLegend);
}

void draw_face(Canvas& canvas, const char* name) {
    const double w = canvas.width();
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_display(canvas);
    for (const Tuning& t : kTunings) draw_tuning(canvas, t);

    draw_power_scale(canvas);
    draw_power_knob(canvas, kPowerBoxX, kPowerBoxY, kPowerOffAngle);

    radios::draw_maker_mark(canvas, 262, kBottomLine, 1.0, "NV 240");
    art::engraved_label(canvas, name, w - kScrewInset - 14, kBottomLine, 11, Align::kRight);
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

std::vector<art::Drawing> radios::comnav_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

// The ADF receiver's artwork: its control head and the OFF/VOL knob at OFF
// and at VOL.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the records in adf.cpp:
//   frequency text box  (160, 13) 96x40; the digit areas over it reach from
//                        x 176 to 255 and down to y 57
//   OFF/VOL knob icon   (350, 59) 80x50: x 350..369 turns it OFF, 380..429 on,
//                        so the knob is centred on x 375
// The face is drawn at the same physical width as the COM/NAV radio's 600 px
// face, so its parts are the radio's sizes times kScale.
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
using art::Rect;

constexpr int kFaceWidth = 500;
constexpr int kFaceHeight = 111;
constexpr double kScale = kFaceWidth / 600.0;

// Faceplate inside its frame, as on the COM/NAV radio.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0 * kScale;
constexpr double kScrewRadius = 5.5 * kScale;
constexpr double kScrewTurns[4] = {-30.0, 44.0, 8.0, 63.0};

constexpr art::LabelStyle kLegend = art::kEngravedSmall;

// The frequency display: dark glass behind the text box, deep enough for
// the digit areas, in a raised black bezel.
constexpr Rect kFrequencyText{160, 13, 96, 40};
constexpr Rect kGlass{kFrequencyText.x - 6, kFrequencyText.y - 4, kFrequencyText.w + 12, 48};
constexpr double kGlassBezel = 3.0;

// The OFF/VOL knob, drawn in an 80x50 box at (350,59) on the face.
constexpr double kPowerBoxX = 350;
constexpr double kPowerBoxY = 59;
constexpr double kPowerCx = 25;  // within its box
constexpr double kPowerCy = 25;
constexpr double kPowerRadius = 19;
constexpr int kPowerRidges = 28;
constexpr double kPowerOffAngle = -45.0;
constexpr double kPowerOnAngle = 60.0;
constexpr double kPowerLabelSize = 7.5;

// The receiver's mode buttons, ANT, ADF and BFO; ADF is pressed in.
constexpr double kButtonY = 40;
constexpr double kButtonWidth = 30;
constexpr double kButtonHeight = 19;
constexpr double kButtonX[3] = {28, 64, 100};
constexpr const char* kButtonNames[3] = {"ANT", "ADF", "BFO"};
constexpr int kPressedButton = 1;

constexpr double kBottomLine = kFaceHeight - 22 * kScale;

void draw_power_knob(Canvas& canvas, double box_x, double box_y, double angle) {
    const double cx = box_x + kPowerCx, cy = box_y + kPowerCy;
    art::knob_ribbed(canvas, cx, cy, kPowerRadius, kPowerRidges);
    art::pointer_mark(canvas, cx, cy, kPowerRadius * art::kBlackKnob.cap_fraction, angle,
                      {{240, 240, 236}, 0.28, 0.96, 2.0});
}

void draw_power_scale(Canvas& canvas) {
    const double cx = kPowerBoxX + kPowerCx, cy = kPowerBoxY + kPowerCy;
    art::engraved_tick(canvas, cx, cy, kPowerRadius + 3, kPowerRadius + 7, kPowerOffAngle, 1.5, kLegend);
    art::engraved_wedge(canvas, cx, cy, kPowerRadius + 5.5, 22, 100, 0.7, 3.5, kLegend);
    art::engraved_label(canvas, "OFF", cx - 21, kPowerBoxY - 2, kPowerLabelSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "VOL", cx + 24, kPowerBoxY - 2, kPowerLabelSize, Align::kCentre, kLegend);
}

void draw_display(Canvas& canvas) {
    radios::draw_display_glass(canvas, kGlass, kGlassBezel);
    // What the window shows, beside it.
    const double right = kGlass.x + kGlass.w + kGlassBezel + 6;
    art::engraved_label(canvas, "kHz", right, kGlass.y + kGlass.h - 6, 8, Align::kLeft, kLegend);
    art::engraved_label(canvas, "FREQ", kGlass.x - kGlassBezel - 6, kGlass.y + 12, 8, Align::kRight, kLegend);
}

void draw_buttons(Canvas& canvas) {
    for (int i = 0; i < 3; ++i) {
        art::push_button(canvas, {kButtonX[i], kButtonY, kButtonWidth, kButtonHeight}, i == kPressedButton,
                         kButtonNames[i], 6.5);
    }
    const double left = kButtonX[0], right = kButtonX[2] + kButtonWidth;
    art::engraved_label(canvas, "MODE", (left + right) / 2, kButtonY - 6, 7, Align::kCentre, kLegend);
}

void draw_face(Canvas& canvas) {
    const double w = canvas.width();
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_display(canvas);
    draw_buttons(canvas);
    draw_power_scale(canvas);
    draw_power_knob(canvas, kPowerBoxX, kPowerBoxY, kPowerOffAngle);

    radios::draw_maker_mark(canvas, 150, kBottomLine, kScale, "NR 350");
    art::engraved_label(canvas, "ADF", w - kScrewInset - 14 * kScale, kBottomLine, 11 * kScale, Align::kRight);
}

void draw_knob_off(Canvas& canvas) { draw_power_knob(canvas, 0, 0, kPowerOffAngle); }
void draw_knob_on(Canvas& canvas) { draw_power_knob(canvas, 0, 0, kPowerOnAngle); }

// The declared size of bitmap `id`, to hold the layout above to it.
constexpr bool declared_as(uint32_t id, int width, int height) {
    for (const BitmapResource& b : radios::kBitmaps) {
        if (b.id == id) return b.width == width && b.height == height;
    }
    return false;
}

static_assert(declared_as(radios::kBmpAdfFace, kFaceWidth, kFaceHeight));
static_assert(declared_as(radios::kBmpAdfKnobOff, 80, 50) && declared_as(radios::kBmpAdfKnobOn, 80, 50));

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpAdfFace, draw_face},
    {radios::kBmpAdfKnobOff, draw_knob_off},
    {radios::kBmpAdfKnobOn, draw_knob_on},
};

// The digit areas reach 44 px down from the text box's top: the glass covers them.
static_assert(kGlass.y <= kFrequencyText.y && kGlass.y + kGlass.h >= kFrequencyText.y + 44);

}  // namespace

std::vector<art::Drawing> radios::adf_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

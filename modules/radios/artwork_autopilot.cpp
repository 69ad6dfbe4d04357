// The push-button autopilot's artwork: its face and the six mode buttons lit.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the panel's text boxes and mouse areas in autopilot.cpp:
//   lateral mode text (118, 10) 48x40    ALT text (234, 10) 144x40
//   HDG text          (118, 50) 48x40    VS text  (234, 50) 144x40
//   mode buttons, 35x21 each, along y 92: AP x 20, HDG 88, NAV 164,
//                                         APR 234, REV 310, ALT 388
//   vertical-speed UP (446, 35) 35x23 and DN (446, 73) 35x23
// The host writes the texts in red segments and, while a mode is on, lays
// that mode's lit button over the dark one drawn on the face. A lit button
// is the whole 35x21 button, so the picture under it never shows.
#include <algorithm>
#include <iterator>
#include <string_view>
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
constexpr int kFaceHeight = 130;

// Faceplate inside its frame, as on the COM/NAV radios, with smaller screws
// for the lower plate.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 9.0;
constexpr double kScrewRadius = 4.2;
constexpr double kScrewTurns[4] = {-18.0, 40.0, 27.0, -6.0};

// The display: one dark glass behind the four text boxes. The host's
// segments fill y 22..39 and 62..79 of them, x 122..162 and 246..365.
constexpr Rect kLateralText{118, 10, 48, 40};
constexpr Rect kAltitudeText{234, 10, 144, 40};
constexpr Rect kGlass{111, 14, 275, 72};
constexpr double kDividerX = (kLateralText.x + kLateralText.w + kAltitudeText.x) / 2;

// The mode buttons.
constexpr double kButtonW = 35;
constexpr double kButtonH = 21;
constexpr double kButtonRow = 92;
constexpr double kLegendSize = 6.6;

struct ModeButton {
    uint32_t lit_id;
    double x;
    const char* legend;
};
constexpr ModeButton kButtons[] = {
    {radios::kBmpButtonAp, 20, "AP"},   {radios::kBmpButtonHdg, 88, "HDG"},  {radios::kBmpButtonNav, 164, "NAV"},
    {radios::kBmpButtonApr, 234, "APR"}, {radios::kBmpButtonRev, 310, "REV"}, {radios::kBmpButtonAlt, 388, "ALT"},
};

// The vertical-speed buttons.
constexpr Rect kUpButton{446, 35, 35, 23};
constexpr Rect kDownButton{446, 73, 35, 23};

// A mode button's cap legend: white paint when dark, glowing green when its
// mode is on. The lamp behind the cap lights the whole cap faintly too.
constexpr art::Rgb kLegendPaint{226, 226, 220};
constexpr art::Rgb kLegendLit{150, 255, 150};
constexpr art::Rgb kCapGlow{40, 200, 70};

constexpr art::LabelStyle kCapLegend{kLegendPaint, "DejaVu Sans Condensed", true, 0.0, 0.0};

// The cap inside a push button of this size, as art::push_button lays it out.
Rect cap_of(const Rect& area) {
    const double frame = std::max(2.0, std::min(area.w, area.h) * 0.10);
    return {area.x + frame + 1, area.y + frame + 1, area.w - 2 * frame - 2, area.h - 2 * frame - 2};
}

// One mode button at `area`, dark or lit.
void draw_mode_button(Canvas& canvas, const Rect& area, std::string_view legend, bool lit) {
    art::push_button(canvas, area, false, "", kLegendSize);
    const Rect cap = cap_of(area);
    if (!lit) {
        art::label_block(canvas, cap, legend, kLegendSize, kCapLegend);
        return;
    }
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    // Light through the cap: brightest behind the legend.
    const double cx = cap.x + cap.w / 2, cy = cap.y + cap.h / 2;
    art::Pattern glow = art::radial_pattern(cx, cy, 0, cx, cy, cap.w * 0.55);
    art::stop(glow.get(), 0, kCapGlow, 0.38);
    art::stop(glow.get(), 1, kCapGlow, 0.10);
    art::rounded_rect_path(cr, cap, 2);
    cairo_set_source(cr, glow.get());
    cairo_fill(cr);
    // The legend with a soft halo, then its bright core.
    for (double spread : {1.6, 0.9}) {
        for (int i = 0; i < 8; ++i) {
            const art::Point p = art::at_angle(0, 0, spread, i * 45.0);
            art::label_block(canvas, {cap.x + p.x, cap.y + p.y, cap.w, cap.h}, legend, kLegendSize,
                             {art::mix(kCapGlow, kLegendLit, 0.3), "DejaVu Sans Condensed", true, 0, 0});
        }
    }
    art::label_block(canvas, cap, legend, kLegendSize, {kLegendLit, "DejaVu Sans Condensed", true, 0, 0});
}

void draw_display(Canvas& canvas) {
    radios::draw_display_glass(canvas, kGlass, 3);
    radios::draw_display_divider(canvas, kGlass, kDividerX, 7);  // between the mode column and the settings
}

// The maker's mark as on the COM/NAV radios, smaller, with the unit's name under it.
void draw_maker(Canvas& canvas) {
    const double x = 20, y = 38;
    radios::draw_maker_mark(canvas, x, y, 0.8, nullptr);
    art::engraved_label(canvas, "NP 310", x, y + 17, 8, Align::kLeft, art::kEngravedSmall);
    art::engraved_label(canvas, "AUTOPILOT", x, y + 40, 9, Align::kLeft, art::kEngravedSmall);
}

void draw_vertical_speed(Canvas& canvas) {
    for (const Rect& b : {kUpButton, kDownButton}) art::push_button(canvas, b, false, "", kLegendSize);
    art::label_block(canvas, cap_of(kUpButton), "UP", kLegendSize, kCapLegend);
    art::label_block(canvas, cap_of(kDownButton), "DN", kLegendSize, kCapLegend);
    const double cx = kUpButton.x + kUpButton.w / 2;
    art::engraved_label(canvas, "VS", cx, kUpButton.y - 6, 8.5, Align::kCentre, art::kEngravedSmall);
}

void draw_face(Canvas& canvas) {
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_display(canvas);
    draw_maker(canvas);
    draw_vertical_speed(canvas);
    for (const ModeButton& b : kButtons) draw_mode_button(canvas, {b.x, kButtonRow, kButtonW, kButtonH}, b.legend, false);
}

template <size_t I>
void draw_lit(Canvas& canvas) {
    draw_mode_button(canvas, {0, 0, kButtonW, kButtonH}, kButtons[I].legend, true);
}

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpAutopilotFace, draw_face},
    {kButtons[0].lit_id, draw_lit<0>},
    {kButtons[1].lit_id, draw_lit<1>},
    {kButtons[2].lit_id, draw_lit<2>},
    {kButtons[3].lit_id, draw_lit<3>},
    {kButtons[4].lit_id, draw_lit<4>},
    {kButtons[5].lit_id, draw_lit<5>},
};

// Every picture is drawn for the size its bitmap is declared at.
constexpr const BitmapResource& declared(uint32_t id) {
    for (const BitmapResource& b : radios::kBitmaps) {
        if (b.id == id) return b;
    }
    return radios::kBitmaps[0];
}
constexpr bool sized(uint32_t id, double w, double h) {
    return declared(id).id == id && declared(id).width == w && declared(id).height == h;
}
static_assert(sized(radios::kBmpAutopilotFace, kFaceWidth, kFaceHeight));
static_assert(std::all_of(std::begin(kButtons), std::end(kButtons),
                          [](const ModeButton& b) { return sized(b.lit_id, kButtonW, kButtonH); }));

}  // namespace

std::vector<art::Drawing> radios::autopilot_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

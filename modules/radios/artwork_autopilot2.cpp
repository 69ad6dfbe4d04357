// The knob-and-switch autopilot's artwork: its face, the pitch wheel's
// marker, the trim lamps, the turn knob, the toggle levers and the mode switch.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the panel's elements and mouse areas in autopilot2.cpp:
//   pitch wheel           x 120..160, y 80..278: upper half DN, lower half UP
//   wheel marker          33x9 at (84, 175), sliding 0.08 px down per ft/min: y 95..255
//   trim lamps            20x40 at (163, 230): upper lamp climbing, lower descending
//   turn knob             176x96 at (187, 94): left half x 190..260, right 295..365
//   AP ON/OFF lever       51x76 at (430, 140);  ALT ON/OFF lever 51x76 at (350, 245)
//   mode switch           44x84 at (513, 246): OMNI INTERCEPT y 220..260,
//                                              TRK 265..305, HDG 300..330
// The host draws the moving parts with pure black left out, so their
// pictures are pure black round the part and the face's legends show
// through; the lamp pair fills its whole rectangle.
#include <algorithm>
#include <cmath>
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
using art::Shade;

constexpr int kFaceWidth = 613;
constexpr int kFaceHeight = 357;

// Faceplate inside its frame, as on the COM/NAV radios.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0;
constexpr double kScrewRadius = 5.5;
constexpr double kScrewTurns[4] = {31.0, -12.0, 48.0, 7.0};

constexpr art::LabelStyle kLegend = art::kEngravedSmall;
constexpr double kLegendSize = 8.5;
constexpr double kTitleSize = 9.5;

// ---------------------------------------------------------------------------
// Pitch: the wheel, the marker beside it and the trim lamps

// The dark block the wheel and the marker's slot are cut into.
constexpr Rect kPitchBlock{78, 78, 84, 202};
constexpr Rect kWheelOpening{122, 84, 36, 190};
constexpr double kWheelReach = 64;  // degrees of the wheel seen either side of its middle
constexpr double kWheelRidgePitch = 3.4;
constexpr Rect kMarkerSlot{82, 90, 37, 178};
// The wheel's rim: black rubber, a soft sheen on its ridges.
constexpr art::Material kWheelRim{{40, 40, 42}, 0.55, 0.55, 0.35, 16, 0.0};

// The marker: 33x9, at (84, 175) when the vertical speed is 0; its tip
// points at the wheel. Each 1000 ft/min moves it 80 px.
constexpr double kMarkerX = 84;
constexpr double kMarkerY = 175;
constexpr double kMarkerW = 33;
constexpr double kMarkerH = 9;
constexpr double kMarkerTravel = 80;

// The lamp pair's housing: two lamps, one above the other.
constexpr Rect kLampHousing{163, 230, 20, 40};
constexpr double kLampRadius = 7.2;

// ---------------------------------------------------------------------------
// The turn knob: a wing knob that springs back to the centre

constexpr double kTurnBoxX = 187;
constexpr double kTurnBoxY = 94;
constexpr double kTurnCx = 88;  // within its 176x96 box
constexpr double kTurnCy = 48;
constexpr double kTurnBody = 25;    // the round body
constexpr double kTurnWing = 44;    // the wing's reach from the centre
constexpr double kTurnWingHalf = 12.5;
constexpr double kTurnFillet = 6;   // how broadly the wing flows into the body
constexpr double kTurnAngle = 32;   // how far a click turns it

// ---------------------------------------------------------------------------
// Levers

constexpr double kLeverW = 51;
constexpr double kLeverH = 76;
constexpr double kNutRadius = 13.5;
constexpr art::Point kEngageLever{430, 140};
constexpr art::Point kAltitudeLever{350, 245};

constexpr art::Point kModeSwitch{513, 246};
constexpr double kModeW = 44;
constexpr double kModeH = 84;
constexpr art::ToggleStyle kModeLever{art::kSatinBlack, art::kChrome, 2.3, 40, 6};

// ---------------------------------------------------------------------------
// Local parts

// The wheel seen edge on through its opening: a knurled rim curving away
// at the top and the bottom, its axis across the panel.
void pitch_wheel(Canvas& canvas, const Rect& opening) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    const double cx = opening.x + opening.w / 2, cy = opening.y + opening.h / 2;
    const double radius = opening.h / 2 / std::sin(art::radians(kWheelReach));
    const double half = opening.w / 2 - 2.5;  // the rim, a little narrower than the opening
    art::panel_face(canvas, opening, {{14, 14, 15}, {12, 12, 13}, 2, 0, 0, 0, 0, 1});
    art::shade_pixels(cr, opening, [&](double x, double y) {
        const double u = (x - cx) / half, v = (y - cy) / radius;
        if (std::abs(u) > 1 || std::abs(v) >= 1) return Shade{};
        const double a = std::asin(v) * 180 / art::kPi;
        const double phase = std::fmod(a + 360, kWheelRidgePitch) / kWheelRidgePitch;
        const double ridge = 24 * std::sin(2 * art::kPi * phase);
        const double t = art::radians(a + ridge);
        // The rim is crowned across its width and rounds off at its edges.
        const double side = std::abs(u) > 0.86 ? (std::abs(u) - 0.86) / 0.14 * 1.2 : u * 0.18;
        const double across = u > 0 ? std::abs(side) : -std::abs(side);
        Shade s = art::lit(kWheelRim, art::normalised({across, std::sin(t), std::cos(t)}));
        // Deeper into the panel the rim falls into the opening's shade.
        s = art::scaled(s, 0.30 + 0.70 * std::sqrt(std::max(0.0, 1 - v * v)));
        return phase > 0.42 && phase < 0.62 ? art::scaled(s, 0.5) : s;
    });
    // The opening's upper and left edges cast their shade onto the wheel.
    art::Pattern top = art::linear_pattern(0, opening.y, 0, opening.y + 14);
    art::stop(top.get(), 0, art::kShadowInk, 0.7);
    art::stop(top.get(), 1, art::kShadowInk, 0);
    cairo_set_source(cr, top.get());
    cairo_rectangle(cr, opening.x, opening.y, opening.w, 14);
    cairo_fill(cr);
    art::Pattern left = art::linear_pattern(opening.x, 0, opening.x + 5, 0);
    art::stop(left.get(), 0, art::kShadowInk, 0.5);
    art::stop(left.get(), 1, art::kShadowInk, 0);
    cairo_set_source(cr, left.get());
    cairo_rectangle(cr, opening.x, opening.y, 5, opening.h);
    cairo_fill(cr);
}

// The marker: a white pointer whose tip reaches the wheel.
void draw_marker(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    const double mid = kMarkerH / 2, head = 9;
    cairo_new_path(cr);
    cairo_move_to(cr, 1.5, mid - 2.2);
    cairo_line_to(cr, kMarkerW - head, mid - 2.2);
    cairo_line_to(cr, kMarkerW - head, mid - 4.0);
    cairo_line_to(cr, kMarkerW - 0.8, mid);
    cairo_line_to(cr, kMarkerW - head, mid + 4.0);
    cairo_line_to(cr, kMarkerW - head, mid + 2.2);
    cairo_line_to(cr, 1.5, mid + 2.2);
    cairo_close_path(cr);
    art::Pattern paint = art::linear_pattern(0, 0, 0, kMarkerH);
    art::stop(paint.get(), 0, {250, 250, 244});
    art::stop(paint.get(), 1, {196, 196, 190});
    cairo_set_source(cr, paint.get());
    cairo_fill_preserve(cr);
    art::set_source(cr, {90, 90, 88});
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

// The lamp pair in its housing at (x, y): `lit` 0 the upper, 1 the lower, -1 neither.
void lamp_pair(Canvas& canvas, double x, double y, int lit) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    const Rect housing{x, y, kLampHousing.w, kLampHousing.h};
    art::panel_face(canvas, housing, {{38, 38, 40}, {26, 26, 28}, 0, 1.0, 0.22, 0.6, 0, 1});
    cairo_rectangle(cr, housing.x, housing.y, housing.w, housing.h);
    cairo_clip(cr);
    const double cx = x + housing.w / 2;
    for (int i = 0; i < 2; ++i) {
        art::lamp(canvas, cx, y + housing.h * (i == 0 ? 0.25 : 0.75), kLampRadius, art::LampColour::kAmber, lit == i,
                  {}, art::kDomeLamp);
    }
}

// The turn knob: a round body with a wing across it, the wing along
// `angle`, its upper end marked with a white line.
void turn_knob(Canvas& canvas, double cx, double cy, double angle) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    const double ux = std::sin(art::radians(angle)), uy = -std::cos(art::radians(angle));
    const double bevel = 5.5;
    const double reach = kTurnWing + 1;
    // How far (x, y) lies inside the outline: body and wing joined by a fillet.
    const auto depth = [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double along = dx * ux + dy * uy, across = dx * uy - dy * ux;
        const double in_body = kTurnBody - std::hypot(dx, dy);
        const double end = std::max(0.0, std::abs(along) - (kTurnWing - kTurnWingHalf));
        const double in_wing = kTurnWingHalf - std::hypot(across, end);
        const double h = std::clamp(0.5 + 0.5 * (in_body - in_wing) / kTurnFillet, 0.0, 1.0);
        return in_wing + (in_body - in_wing) * h + kTurnFillet * h * (1 - h);
    };
    art::shade_pixels(cr, {cx - reach, cy - reach, 2 * reach, 2 * reach}, [&](double x, double y) {
        const double in = depth(x, y);
        if (in < 0) return Shade{};
        if (in < bevel) {
            // The side slopes away in the direction the outline faces.
            const double e = 0.25, gx = depth(x - e, y) - depth(x + e, y), gy = depth(x, y - e) - depth(x, y + e);
            return art::lit(art::kBlackPlastic, art::tilted_normal(art::angle_of(gx, gy), 55 * (1 - in / bevel)));
        }
        // The top dishes gently towards the middle.
        const double dx = x - cx, dy = y - cy;
        return art::lit(art::kKnobTop,
                        art::tilted_normal(art::angle_of(dx, dy) + 180, 8 * std::min(1.0, std::hypot(dx, dy) / kTurnWing)));
    });
    art::pointer_mark(canvas, cx, cy, kTurnWing, angle, {{240, 240, 236}, 0.66, 0.93, 2.6});
}

// A lever seen end on, pointing straight at the pilot: only the end of its
// bat shows inside the nut.
void lever_end_on(Canvas& canvas, double cx, double cy, const art::ToggleStyle& style) {
    art::ToggleStyle end_on = style;
    end_on.lever_length = 0;
    end_on.lever_tilt = 90;
    art::toggle_switch(canvas, cx, cy, kNutRadius, true, end_on);
}

// The nut a lever stands in, with its shadow, for the face under the lever's
// picture (the lever's own picture covers it).
void lever_seat(Canvas& canvas, double cx, double cy) { lever_end_on(canvas, cx, cy, art::kChromeToggle); }

// ---------------------------------------------------------------------------
// The face

void draw_pitch(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    art::box_shadow(cr, kPitchBlock, 3, 1.5, 3, 0.5);
    art::panel_face(canvas, kPitchBlock, {{38, 38, 40}, {28, 28, 30}, 3, 1.3, 0.20, 0.6, 0, 1});
    art::recessed_window(canvas, kMarkerSlot, {{16, 16, 17}, {70, 70, 74}, 2.0, 1.2, 5.0, 0.55, 0.0});
    pitch_wheel(canvas, kWheelOpening);

    // The marker's scale left of the block, a mark every 250 ft/min, and the
    // same marks printed in grey along the slot's back.
    const double zero = kMarkerY + kMarkerH / 2, right = kPitchBlock.x - 3;
    for (int i = -4; i <= 4; ++i) {
        const double y = zero + i * kMarkerTravel / 4;
        const double length = i % 4 == 0 ? 9 : (i % 2 == 0 ? 6.5 : 4);
        cairo_new_path(cr);
        cairo_rectangle(cr, right - length, y - 0.7, length, 1.4);
        art::engrave_current_path(cr, kLegend);
        art::set_source(cr, {92, 92, 90});
        const double inner = i % 4 == 0 ? 26 : (i % 2 == 0 ? 12 : 7);
        cairo_rectangle(cr, kMarkerSlot.x + 3, y - 0.5, inner, 1.0);
        cairo_fill(cr);
    }
    art::engraved_label(canvas, "0", right - 12, zero + 3, 8, Align::kRight, kLegend);
    art::engraved_label(canvas, "10", right - 12, zero - kMarkerTravel + 3, 8, Align::kRight, kLegend);
    art::engraved_label(canvas, "10", right - 12, zero + kMarkerTravel + 3, 8, Align::kRight, kLegend);
    art::engraved_label(canvas, "5", right - 9, zero - kMarkerTravel / 2 + 3, 7, Align::kRight, kLegend);
    art::engraved_label(canvas, "5", right - 9, zero + kMarkerTravel / 2 + 3, 7, Align::kRight, kLegend);

    // DN above the wheel, UP below it.
    const double wx = kWheelOpening.x + kWheelOpening.w / 2;
    art::engraved_label(canvas, "DN", wx, kPitchBlock.y - 6, kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "UP", wx, kPitchBlock.y + kPitchBlock.h + 14, kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "PITCH", kPitchBlock.x + kPitchBlock.w / 2, kPitchBlock.y - 22, kTitleSize,
                        Align::kCentre, kLegend);

    // The lamps, both dark, with their arrows beside them.
    art::box_shadow(cr, kLampHousing, 1, 1.2, 2, 0.5);
    lamp_pair(canvas, kLampHousing.x, kLampHousing.y, -1);
    const double ax = kLampHousing.x + kLampHousing.w + 7;
    art::engraved_arrow(canvas, ax, kLampHousing.y + kLampHousing.h * 0.25, 6, Direction::kUp, kLegend);
    art::engraved_arrow(canvas, ax, kLampHousing.y + kLampHousing.h * 0.75, 6, Direction::kDown, kLegend);
}

void draw_turn_scale(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double cx = kTurnBoxX + kTurnCx, cy = kTurnBoxY + kTurnCy;
    // The body's shadow on the panel; the body itself turns with the knob.
    art::drop_shadow(cr, cx, cy, kTurnBody, kTurnBody * 0.16, 0.7);
    for (double a : {-kTurnAngle, 0.0, kTurnAngle}) {
        art::engraved_tick(canvas, cx, cy, kTurnWing + 3, kTurnWing + (a == 0 ? 10 : 8), a, 1.6, kLegend);
    }
    art::engraved_label(canvas, "L", cx - 66, cy + 5, 13, Align::kCentre);
    art::engraved_label(canvas, "R", cx + 66, cy + 5, 13, Align::kCentre);
    art::engraved_arrow(canvas, cx - 66, cy + 16, 6, Direction::kLeft, kLegend);
    art::engraved_arrow(canvas, cx + 66, cy + 16, 6, Direction::kRight, kLegend);
    art::engraved_label(canvas, "TURN", cx, cy - kTurnWing - 18, kTitleSize, Align::kCentre, kLegend);
}

void draw_lever_legends(Canvas& canvas, art::Point at, const char* name) {
    const double cx = at.x + kLeverW / 2, cy = at.y + kLeverH / 2;
    lever_seat(canvas, cx, cy);
    art::engraved_label(canvas, "ON", cx, at.y - 3, kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "OFF", cx, at.y + kLeverH + 11, kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, name, at.x - 2, cy + 4, kTitleSize, Align::kRight, kLegend);
}

void draw_mode_legends(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double cx = kModeSwitch.x + kModeW / 2, cy = kModeSwitch.y + kModeH / 2;
    lever_seat(canvas, cx, cy);
    const double right = kModeSwitch.x - 4;
    const struct {
        const char* text;
        double y;  // the middle of the position's legend
    } positions[] = {{"OMNI INTERCEPT", 252}, {"TRK", cy}, {"HDG", 322}};
    for (const auto& p : positions) {
        art::engraved_label(canvas, p.text, right - 8, p.y + 3, kLegendSize, Align::kRight, kLegend);
        cairo_new_path(cr);
        cairo_rectangle(cr, right - 5, p.y - 0.6, 5, 1.2);
        art::engrave_current_path(cr, kLegend);
    }
}

void draw_face(Canvas& canvas) {
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_pitch(canvas);
    draw_turn_scale(canvas);
    draw_lever_legends(canvas, kEngageLever, "AP");
    draw_lever_legends(canvas, kAltitudeLever, "ALT");
    draw_mode_legends(canvas);
    radios::draw_maker_mark(canvas, 30, 338, 1.0, "NP 220");
    art::engraved_label(canvas, "AUTOPILOT", 180, 338, 11, Align::kLeft);
}

// ---------------------------------------------------------------------------
// The moving parts, each on its own bitmap

void draw_lamps_upper(Canvas& canvas) { lamp_pair(canvas, 0, 0, 0); }
void draw_lamps_lower(Canvas& canvas) { lamp_pair(canvas, 0, 0, 1); }

void draw_turn_left(Canvas& canvas) { turn_knob(canvas, kTurnCx, kTurnCy, -kTurnAngle); }
void draw_turn_centre(Canvas& canvas) { turn_knob(canvas, kTurnCx, kTurnCy, 0); }
void draw_turn_right(Canvas& canvas) { turn_knob(canvas, kTurnCx, kTurnCy, kTurnAngle); }

void draw_lever_down(Canvas& canvas) { art::toggle_switch(canvas, kLeverW / 2, kLeverH / 2, kNutRadius, false); }
void draw_lever_up(Canvas& canvas) { art::toggle_switch(canvas, kLeverW / 2, kLeverH / 2, kNutRadius, true); }

void draw_mode_up(Canvas& canvas) {
    art::toggle_switch(canvas, kModeW / 2, kModeH / 2, kNutRadius, true, kModeLever);
}
// Centred, the lever points straight at the pilot: only its end shows.
void draw_mode_centre(Canvas& canvas) { lever_end_on(canvas, kModeW / 2, kModeH / 2, kModeLever); }
void draw_mode_down(Canvas& canvas) {
    art::toggle_switch(canvas, kModeW / 2, kModeH / 2, kNutRadius, false, kModeLever);
}

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpAutopilot2Face, draw_face},
    {radios::kBmpPitchWheelMarker, draw_marker},
    {radios::kBmpTrimLampUpper, draw_lamps_upper},
    {radios::kBmpTrimLampLower, draw_lamps_lower},
    {radios::kBmpTurnKnobLeft, draw_turn_left},
    {radios::kBmpTurnKnobCentre, draw_turn_centre},
    {radios::kBmpTurnKnobRight, draw_turn_right},
    {radios::kBmpToggleDown, draw_lever_down},
    {radios::kBmpToggleUp, draw_lever_up},
    {radios::kBmpModeSwitchUp, draw_mode_up},
    {radios::kBmpModeSwitchCentre, draw_mode_centre},
    {radios::kBmpModeSwitchDown, draw_mode_down},
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
static_assert(sized(radios::kBmpAutopilot2Face, kFaceWidth, kFaceHeight));
static_assert(sized(radios::kBmpPitchWheelMarker, kMarkerW, kMarkerH));
static_assert(sized(radios::kBmpTrimLampUpper, kLampHousing.w, kLampHousing.h));
static_assert(sized(radios::kBmpTrimLampLower, kLampHousing.w, kLampHousing.h));
static_assert(sized(radios::kBmpTurnKnobCentre, 2 * kTurnCx, 2 * kTurnCy));
static_assert(sized(radios::kBmpToggleUp, kLeverW, kLeverH) && sized(radios::kBmpToggleDown, kLeverW, kLeverH));
static_assert(sized(radios::kBmpModeSwitchCentre, kModeW, kModeH));

}  // namespace

std::vector<art::Drawing> radios::autopilot2_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

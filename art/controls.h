// Switches and buttons: toggle levers, rocker switches and push buttons.
#pragma once

#include <string_view>

#include "art/basics.h"
#include "art/labels.h"
#include "art/paint.h"

namespace art {

struct ToggleStyle {
    Material lever;           // the bat handle
    Material nut;             // the mounting nut round its bushing
    double lever_length;      // the lever as seen from the front, in nut radii
    double lever_tilt;        // how far it leans from pointing at the pilot, degrees
    int nut_sides;            // 6 for a hex nut, 0 for a round knurled one
    // The lever's proportions, in nut radii: half widths of the shaft at its
    // root and at the bat, and the bat's half width and half height.
    double shaft_base = 0.19;
    double shaft_top = 0.27;
    double bat_width = 0.46;
    double bat_height = 0.40;
    double shadow = 0.40;     // darkness of the lever's shadow on the panel
};

inline constexpr ToggleStyle kChromeToggle{kChrome, kChrome, 2.3, 40, 6};
inline constexpr ToggleStyle kBlackToggle{kSatinBlack, kChrome, 2.3, 40, 6};

// A toggle switch: its nut of radius r centred on (cx, cy), the bat handle
// thrown up or down. Thrown up, the pilot sees the lever's underside, which
// shows the dark cockpit; thrown down, its top, which shows the windscreen.
void toggle_switch(Canvas& canvas, double cx, double cy, double r, bool up,
                   const ToggleStyle& style = kChromeToggle);

// The lever alone, with its shadow, rising from a nut of radius r at (cx, cy)
// that the caller draws: for switches whose nut is drawn another way.
void toggle_lever(Canvas& canvas, double cx, double cy, double r, bool up, const ToggleStyle& style = kChromeToggle);

struct RockerStyle {
    Material paddle;
    Material frame;
    Rgb mark;                 // the "on" stripe and the legend
    double tilt;              // how far the paddle rocks, degrees
};

inline constexpr RockerStyle kBlackRocker{kBlackPlastic, kSatinBlack, {238, 238, 230}, 16};
inline constexpr RockerStyle kRedRocker{{{176, 30, 26}, 0.70, 0.55, 0.28, 20, 0.0}, kSatinBlack, {245, 245, 240}, 16};

// A rocker switch filling `area` (taller than wide): its upper half pressed
// in when `on`. The upper half carries a white stripe and `legend` runs
// along the lower half.
void rocker(Canvas& canvas, const Rect& area, bool on, std::string_view legend = {},
            const RockerStyle& style = kBlackRocker);

struct ButtonStyle {
    Material cap;
    Material frame;
    LabelStyle legend;
    double travel;            // how far it moves in when pressed, pixels
};

inline constexpr ButtonStyle kBlackButton{
    kBlackPlastic, kSatinBlack, {{236, 236, 230}, "DejaVu Sans Condensed", true, 0.0, 0.0}, 1.5};
inline constexpr ButtonStyle kGreyButton{{{128, 130, 134}, 0.70, 0.50, 0.25, 20, 0.0},
                                         kSatinBlack,
                                         {{24, 24, 26}, "DejaVu Sans Condensed", true, 0.0, 0.0},
                                         1.5};

// A square push button filling `area`, up or pressed, `legend` on its cap
// (lines separated by '\n') `size` high.
void push_button(Canvas& canvas, const Rect& area, bool pressed, std::string_view legend, double size,
                 const ButtonStyle& style = kBlackButton);

}  // namespace art

// Display windows cut into a face: the dark glass of a gas-discharge
// display, a liquid-crystal field, and a slot showing number drums.
#pragma once

#include <string_view>

#include "art/basics.h"

namespace art {

struct WindowStyle {
    Rgb glass;                // the window's interior: very dark, never pure black
    Rgb lit_wall;             // the recess wall facing the light (lower right)
    double corner_radius;
    double wall;              // width of the recess wall
    double inner_shadow;      // depth of the shadow under the upper-left edge
    double inner_shadow_alpha;
    double glare_alpha;       // faint reflection across the upper part
};

inline constexpr WindowStyle kDisplayWindow{{12, 10, 8}, {92, 92, 96}, 3.0, 1.4, 6.0, 0.55, 0.035};

// A window recessed into the face, such as a frequency display.
void recessed_window(Canvas& canvas, const Rect& area, const WindowStyle& style = kDisplayWindow);

struct LcdStyle {
    Rgb field_top;            // the liquid-crystal field, top
    Rgb field_bottom;         // ... and bottom
    Rgb segment;              // the colour segments show when on
    double ghost_alpha;       // how faintly the unlit segments show
    const char* segment_font; // a seven-segment face for the unlit segments
    double corner_radius;
};

// Reflective grey-green field with dark segments.
inline constexpr LcdStyle kGreenLcd{{150, 168, 124}, {122, 142, 100}, {22, 30, 18}, 0.07, "DSEG7 Classic", 2.0};
// Back-lit amber field with dark segments.
inline constexpr LcdStyle kAmberLcd{{226, 150, 40}, {196, 112, 20}, {40, 20, 4}, 0.08, "DSEG7 Classic", 2.0};

// A liquid-crystal window filling `area`. `ghost` (such as "888.88") shows as
// the faint pattern of unlit segments, in digits `area.h * 0.6` high; the
// host writes the live value over it.
void lcd_window(Canvas& canvas, const Rect& area, std::string_view ghost = {}, const LcdStyle& style = kGreenLcd);

struct DrumStyle {
    Rgb drum;                 // the drums' surface
    Rgb numeral;              // the figures printed on them
    const char* family;
    double numeral_height;    // as a fraction of the slot's height
    double gap;               // dark gap between neighbouring drums, pixels
};

inline constexpr DrumStyle kBlackDrum{{30, 30, 32}, {236, 236, 228}, "DejaVu Sans Condensed", 0.60, 1.5};
inline constexpr DrumStyle kWhiteDrum{{222, 220, 210}, {20, 20, 22}, "DejaVu Sans Condensed", 0.60, 1.5};

// Number drums seen through a slot filling `slot`: one drum per character of
// `text`, each showing its figure with its neighbours curving away above and
// below. `roll` (0..1) turns the last drum part way to its next figure, as a
// counter does between two values.
void drum_digits(Canvas& canvas, const Rect& slot, std::string_view text, double roll = 0,
                 const DrumStyle& style = kBlackDrum);

}  // namespace art

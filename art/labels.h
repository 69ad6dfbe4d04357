// Engraved legends, arrows, scale marks and placards.
#pragma once

#include <cairo.h>

#include <string_view>

#include "art/basics.h"

namespace art {

struct LabelStyle {
    Rgb ink;
    const char* family;
    bool bold;
    double shadow_alpha;      // the cut's upper-left wall
    double highlight_alpha;   // the cut's lower-right wall
};

inline constexpr LabelStyle kEngravedWhite{{232, 232, 226}, "Liberation Sans", true, 0.55, 0.10};
// Small legends: regular weight, narrower letters.
inline constexpr LabelStyle kEngravedSmall{{222, 222, 216}, "DejaVu Sans Condensed", true, 0.50, 0.08};
// Printed dial markings: crisp white, no cut.
inline constexpr LabelStyle kDialPrint{{238, 238, 232}, "DejaVu Sans Condensed", true, 0.0, 0.0};

// Text with its baseline at y; x is its left end, centre or right end.
void engraved_label(Canvas& canvas, std::string_view text, double x, double y, double size, Align align = Align::kLeft,
                    const LabelStyle& style = kEngravedWhite);
// Width of `text` as engraved_label draws it.
double label_width(Canvas& canvas, std::string_view text, double size, const LabelStyle& style = kEngravedWhite);
// A small filled triangle centred on (cx, cy), `size` across, pointing `direction`.
void engraved_arrow(Canvas& canvas, double cx, double cy, double size, Direction direction,
                    const LabelStyle& style = kEngravedWhite);
// A scale mark round a knob: from radius r_from to r_to at `angle`.
void engraved_tick(Canvas& canvas, double cx, double cy, double r_from, double r_to, double angle, double width,
                   const LabelStyle& style = kEngravedWhite);
// An arc round a knob from angle `from` to `to`, growing from width w_from to w_to
// (a wedge that shows "more" clockwise, such as a volume scale).
void engraved_wedge(Canvas& canvas, double cx, double cy, double r, double from, double to, double w_from,
                    double w_to, const LabelStyle& style = kEngravedWhite);

// Lines of text (separated by '\n') centred as a block in `area`, capitals
// `size` high (smaller if the widest line would not fit), engraved in `style`.
void label_block(Canvas& canvas, const Rect& area, std::string_view text, double size,
                 const LabelStyle& style = kEngravedWhite);

// Selects the style's font at `size` with the panel's text rendering.
void set_font(cairo_t* cr, double size, const LabelStyle& style);
// Fills the current path as an engraving in `style`: the cut's walls, then
// the ink. Clears the path.
void engrave_current_path(cairo_t* cr, const LabelStyle& style);

// ---------------------------------------------------------------------------
// Placards

struct PlacardStyle {
    Rgb plate;                // the plate's face
    Rgb edge;                 // its bevelled rim
    LabelStyle text;          // letters cut through to the core colour
    double corner_radius;
    bool rivets;              // a rivet at each end
};

// Black laminate with white letters, and the white kind with black letters.
inline constexpr PlacardStyle kBlackPlacard{
    {26, 26, 28}, {70, 70, 74}, {{226, 226, 220}, "DejaVu Sans Condensed", true, 0.0, 0.0}, 2.0, false};
inline constexpr PlacardStyle kWhitePlacard{
    {226, 224, 214}, {150, 148, 140}, {{24, 24, 26}, "DejaVu Sans Condensed", true, 0.0, 0.0}, 2.0, false};

// A small engraved plate filling `area`; `text` may hold several lines
// separated by '\n', centred, `size` high.
void placard(Canvas& canvas, const Rect& area, std::string_view text, double size,
             const PlacardStyle& style = kBlackPlacard);

}  // namespace art

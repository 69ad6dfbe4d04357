// Dial faces and their scales: graduations, coloured range arcs and numerals
// along an arc.
//
// A scale lies along an Arc: centre, outer radius, and the angles where it
// starts and ends (clockwise from 12 o'clock; `to` may be less than `from`
// for a scale that runs anticlockwise). Lengths in the styles are fractions
// of the arc's radius, so one style suits a dial of any size.
#pragma once

#include <span>
#include <string_view>

#include "art/basics.h"
#include "art/labels.h"

namespace art {

struct DialStyle {
    Rgb centre;               // matte face colour at the centre
    Rgb edge;                 // ... and at the rim
    double grain;             // a faint paint texture, 0 for none
};

inline constexpr DialStyle kMatteBlackDial{{36, 36, 38}, {25, 25, 27}, 0.025};

// A matte round dial face of radius r.
void dial_face(Canvas& canvas, double cx, double cy, double r, const DialStyle& style = kMatteBlackDial);

struct Arc {
    double cx = 0;
    double cy = 0;
    double r = 0;             // the scale's outer edge
    double from = 0;          // angle of the scale's first mark
    double to = 0;            // angle of its last mark
};

struct TickStyle {
    Rgb colour;
    double major_length;      // fractions of the arc's radius
    double major_width;
    double medium_length;     // the mark half way between majors, 0 for a plain minor
    double medium_width;
    double minor_length;
    double minor_width;
};

inline constexpr TickStyle kWhiteTicks{{238, 238, 232}, 0.14, 0.024, 0.10, 0.016, 0.07, 0.012};

// Graduations along `arc`: `majors` major marks (both ends included, at
// least 2) and `minors` minor marks between each pair of majors, drawn from
// the arc's radius inwards.
void scale_ticks(Canvas& canvas, const Arc& arc, int majors, int minors, const TickStyle& style = kWhiteTicks);

inline constexpr Rgb kArcGreen{34, 168, 62};
inline constexpr Rgb kArcYellow{236, 198, 36};
inline constexpr Rgb kArcRed{214, 36, 30};
inline constexpr Rgb kArcWhite{236, 236, 230};

// A coloured range band along `arc`, `width` (fraction of the radius) wide,
// its outer edge on the arc's radius.
void scale_arc(Canvas& canvas, const Arc& arc, double width, Rgb colour);

struct NumeralStyle {
    LabelStyle font;
    double size;              // letter height, fraction of the arc's radius
    double radius;            // where each numeral's centre sits, fraction of the arc's radius
    bool upright;             // upright, or turned to follow the arc (tops outward)
};

inline constexpr NumeralStyle kDialNumerals{kDialPrint, 0.15, 0.68, true};

struct Numeral {
    double angle;
    std::string_view text;
};

// Numerals spread evenly along `arc`: the first at `from`, the last at `to`.
void scale_numerals(Canvas& canvas, const Arc& arc, std::span<const std::string_view> labels,
                    const NumeralStyle& style = kDialNumerals);
// Numerals at the angles given (the arc's from and to are not used).
void scale_numerals(Canvas& canvas, const Arc& arc, std::span<const Numeral> numerals,
                    const NumeralStyle& style = kDialNumerals);

}  // namespace art

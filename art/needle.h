// Needles, pointers and the hubs that hold them.
//
// A needle is drawn pointing right (towards +x) with its pivot at the point
// given, as the host turns needle bitmaps about their pivot. Its blade is a
// shallow ridge: the half towards the top of the bitmap catches a little
// more light. The shadow it throws only shows where something is drawn
// underneath; on an empty (pure black) needle bitmap it stays see-through.
#pragma once

#include "art/basics.h"
#include "art/paint.h"

namespace art {

enum class NeedleShape {
    kTapered,   // white blade, widest at the hub, tapering to a point
    kLollipop,  // thin shaft with a round counterweight behind the pivot
    kThin,      // a fine pointer, for secondary scales
    kSword,     // a broad leaf-shaped hand, as on a clock
    kMarker,    // a slim shaft ending in a broad arrowhead, such as a set-point marker
};

struct NeedleStyle {
    NeedleShape shape;
    Rgb colour;
    Rgb tail_colour;          // the part behind the pivot
    double width;             // the blade's widest part, pixels
    double tail;              // length behind the pivot, as a fraction of the length
    double shadow_offset;     // pixels, down and right on the page
    double shadow_alpha;
};

inline constexpr NeedleStyle kWhiteNeedle{NeedleShape::kTapered, {242, 242, 236}, {60, 60, 62}, 6.0, 0.24, 2.0, 0.5};
inline constexpr NeedleStyle kLollipopNeedle{NeedleShape::kLollipop, {242, 242, 236}, {242, 242, 236}, 2.6, 0.26,
                                             2.0, 0.5};
inline constexpr NeedleStyle kThinPointer{NeedleShape::kThin, {242, 242, 236}, {242, 242, 236}, 2.0, 0.12, 1.5, 0.45};
inline constexpr NeedleStyle kSwordHand{NeedleShape::kSword, {236, 236, 228}, {236, 236, 228}, 9.0, 0.16, 2.0, 0.5};
inline constexpr NeedleStyle kOrangeMarker{NeedleShape::kMarker, {244, 128, 28}, {244, 128, 28}, 8.0, 0.0, 1.5,
                                           0.45};

// A needle of `length` pixels from the pivot (px, py) to its tip, pointing right.
void needle(Canvas& canvas, double px, double py, double length, const NeedleStyle& style = kWhiteNeedle);

struct HubStyle {
    Material cap;
    double screw;             // a bright centre pin, as a fraction of the hub's radius (0 for none)
    double shadow_alpha;
};

inline constexpr HubStyle kBlackHub{kSatinBlack, 0.0, 0.6};
inline constexpr HubStyle kBlackHubWithPin{kSatinBlack, 0.28, 0.6};
inline constexpr HubStyle kAluminiumHub{kAluminium, 0.0, 0.5};

// The domed cap over a needle's pivot.
void needle_hub(Canvas& canvas, double cx, double cy, double r, const HubStyle& style = kBlackHub);

}  // namespace art

// Drawing primitives for panel artwork.
//
// Everything is anti-aliased and lit from the upper left. Angles are in
// degrees, clockwise from 12 o'clock, as a pilot reads a knob. Each primitive
// takes a style struct whose defaults are the panel's standard look; a
// module passes its own struct where a part differs. Primitives save and
// restore the cairo state, so they can be called in any order.
//
// Colours are chosen so that nothing a primitive draws on a face is pure
// black: pure black is see-through on images drawn with the transparency
// flag. Shadows cast onto pure black stay pure black, so a knob drawn on an
// empty canvas keeps a clean see-through surround.
#pragma once

#include <string_view>

#include "art/canvas.h"

namespace art {

struct Rect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

enum class Align { kLeft, kCentre, kRight };
enum class Direction { kUp, kDown, kLeft, kRight };

// Where the light comes from, as an angle.
inline constexpr double kLightAngle = -45.0;

// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

// ---------------------------------------------------------------------------
// Faces and frames

struct FaceStyle {
    Rgb top;                  // colour at the top edge of the gradient
    Rgb bottom;               // ... and at the bottom edge
    double corner_radius;
    double bevel_width;       // width of the lit and shaded edge
    double highlight_alpha;   // white on the upper-left edge
    double shadow_alpha;      // black on the lower-right edge
};

// Dark anodised faceplate of a radio or instrument.
inline constexpr FaceStyle kAnodisedFace{{70, 71, 74}, {46, 47, 50}, 6.0, 1.6, 0.30, 0.55};
// The darker frame a faceplate sits in.
inline constexpr FaceStyle kRackFrame{{30, 30, 32}, {22, 22, 24}, 0.0, 1.0, 0.12, 0.40};

// A raised plate filling `area`: vertical gradient, bevelled edge.
void panel_face(Canvas& canvas, const Rect& area, const FaceStyle& style = kAnodisedFace);

// ---------------------------------------------------------------------------
// Screws

struct ScrewStyle {
    Rgb lit;                  // the head where the light hits it
    Rgb shade;                // the head's far edge
    Rgb recess;               // the cross slots
    double countersink;       // hole radius as a multiple of the head radius
    double slot_width;        // as a fraction of the head radius
};

inline constexpr ScrewStyle kPanelScrew{{196, 196, 192}, {64, 64, 66}, {30, 30, 31}, 1.2, 0.28};

// A cross-head screw in its countersunk hole, its cross turned by `angle`.
void screw(Canvas& canvas, double cx, double cy, double r, double angle, const ScrewStyle& style = kPanelScrew);

// ---------------------------------------------------------------------------
// Display windows

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

// ---------------------------------------------------------------------------
// Knobs

struct KnobStyle {
    Rgb cap_lit;              // flat top, nearest the light
    Rgb cap_shade;            // flat top, far side
    Rgb skirt_lit;            // side (ridges) facing the light
    Rgb skirt_shade;          // side facing away
    Rgb groove;               // between the ridges
    double cap_fraction;      // radius of the flat top as a fraction of the knob's
    double shadow_offset;     // drop shadow, as a fraction of the radius
    double shadow_alpha;
};

inline constexpr KnobStyle kBlackKnob{{112, 112, 116}, {40, 40, 43}, {165, 165, 170}, {32, 32, 34},
                                      {24, 24, 26}, 0.76, 0.10, 0.55};

// A smooth round knob.
void knob_plain(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style = kBlackKnob);
// A knob with `ridges` grip ridges round its side.
void knob_ribbed(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style = kBlackKnob);
// A large ribbed knob with a smaller one on the same shaft, as on a tuning
// control (outer: whole units, inner: fractions).
void knob_dual_concentric(Canvas& canvas, double cx, double cy, double r_outer, double r_inner,
                          const KnobStyle& style = kBlackKnob);

struct PointerStyle {
    Rgb colour;
    double from;              // start, as a fraction of the radius
    double to;                // end, as a fraction of the radius
    double width;
};

inline constexpr PointerStyle kKnobPointer{{240, 240, 236}, 0.30, 0.95, 2.4};

// The white index line on a knob of radius r, pointing at `angle`.
void pointer_mark(Canvas& canvas, double cx, double cy, double r, double angle,
                  const PointerStyle& style = kKnobPointer);

// ---------------------------------------------------------------------------
// Engraving

struct LabelStyle {
    Rgb ink;
    const char* family;
    bool bold;
    double shadow_alpha;      // the cut's upper-left wall
    double highlight_alpha;   // the cut's lower-right wall
};

inline constexpr LabelStyle kEngravedWhite{{232, 232, 226}, "Liberation Sans", true, 0.55, 0.10};

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

}  // namespace art

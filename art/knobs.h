// Knobs seen from the front: a flat top (the cap) inside a sloping side
// (the skirt) that is smooth or ribbed for grip, lit by the common light.
#pragma once

#include "art/basics.h"
#include "art/paint.h"

namespace art {

struct KnobStyle {
    Material skirt;           // the side
    Material cap;             // the flat top
    double cap_fraction;      // radius of the flat top as a fraction of the knob's
    double skirt_tilt;        // how far the side slopes away from the pilot, degrees (0 flat .. 90 edge on)
    double ridge_depth;       // how far each ridge turns the surface, degrees
    double spun;              // 0..1: the cap's turned-metal sheen (a bright bow tie along the light)
    double shadow_offset;     // drop shadow, as a fraction of the radius
    double shadow_alpha;
};

// Black plastic knob, satin top: radios, autopilots.
inline constexpr KnobStyle kBlackKnob{kBlackPlastic, kKnobTop, 0.76, 50, 45, 0.0, 0.16, 0.70};
// Black knob with a turned aluminium insert in its top.
inline constexpr KnobStyle kSilverCapKnob{kBlackPlastic, kAluminium, 0.62, 50, 45, 1.0, 0.16, 0.70};
// All aluminium, as on a trim wheel or a selector.
inline constexpr KnobStyle kAluminiumKnob{kAluminium, kAluminium, 0.72, 55, 30, 1.0, 0.16, 0.65};

// A smooth round knob.
void knob_plain(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style = kBlackKnob);
// A knob with `ridges` grip ridges round its side.
void knob_ribbed(Canvas& canvas, double cx, double cy, double r, int ridges, const KnobStyle& style = kBlackKnob);
// A large ribbed knob with a smaller one on the same shaft, as on a tuning
// control (outer: whole units, inner: fractions).
void knob_dual_concentric(Canvas& canvas, double cx, double cy, double r_outer, double r_inner,
                          const KnobStyle& style = kBlackKnob);
// A knob with two parallel flats for grip, the flats along `angle` (the way
// it points), with a white index line at that end.
void knob_with_flats(Canvas& canvas, double cx, double cy, double r, double angle,
                     const KnobStyle& style = kBlackKnob);
// The small knurled knob that sets a heading or altitude bug: an orange bug
// symbol on its top.
void bug_knob(Canvas& canvas, double cx, double cy, double r, const KnobStyle& style = kBlackKnob);

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

}  // namespace art

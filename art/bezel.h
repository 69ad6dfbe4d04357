// Instrument cases: the square flange an instrument is screwed to the panel
// by, the round bevelled ring round its dial, and the cover glass.
//
// The usual order for a round instrument: square_case, then the dial (see
// dial.h), then round_bezel over the dial's edge (it casts its shadow onto
// the dial), then glass_reflection last.
#pragma once

#include "art/basics.h"
#include "art/faces.h"
#include "art/paint.h"

namespace art {

struct CaseStyle {
    FaceStyle face;           // the flange
    ScrewStyle screw;
    double screw_radius;      // as a fraction of the case's shorter side
    double screw_inset;       // screw centres from the edges, same fraction
};

inline constexpr CaseStyle kBlackCase{{{40, 40, 42}, {27, 27, 29}, 7.0, 1.4, 0.20, 0.55, 0.03, 1.0},
                                      kBlackScrew, 0.038, 0.075};

// The square-ish front of an instrument case filling `area`, with a
// mounting screw in each corner.
void square_case(Canvas& canvas, const Rect& area, const CaseStyle& style = kBlackCase);

struct BezelStyle {
    Material ring;            // the bevelled ring
    double width;             // ring width as a fraction of its outer radius
    double shadow_depth;      // how far the ring's shadow reaches onto the dial, same fraction
    double shadow_alpha;
};

inline constexpr BezelStyle kBlackBezel{kSatinBlack, 0.085, 0.10, 0.70};
inline constexpr BezelStyle kChromeBezel{kChrome, 0.05, 0.08, 0.60};

// The ring round a dial: outer radius r, bevelled down to the dial opening,
// and the shadow its edge casts onto the dial inside.
void round_bezel(Canvas& canvas, double cx, double cy, double r, const BezelStyle& style = kBlackBezel);

struct GlassStyle {
    double crescent_alpha;    // the broad reflection along the upper-left rim
    double streak_alpha;      // a narrow diagonal streak
};

inline constexpr GlassStyle kCoverGlass{0.10, 0.045};

// The reflections of a round cover glass of radius r: kept faint so the
// dial stays readable.
void glass_reflection(Canvas& canvas, double cx, double cy, double r, const GlassStyle& style = kCoverGlass);

}  // namespace art

// Faceplates, their surface finish, and the screws that hold them.
#pragma once

#include <cstdint>

#include "art/basics.h"

namespace art {

struct FaceStyle {
    Rgb top;                  // colour at the top edge of the gradient
    Rgb bottom;               // ... and at the bottom edge
    double corner_radius;
    double bevel_width;       // width of the lit and shaded edge
    double highlight_alpha;   // white on the upper-left edge
    double shadow_alpha;      // black on the lower-right edge
    double grain = 0;         // strength of the surface finish (see surface_finish), 0 for none
    double streak = 1;        // length of the finish's streaks: 1 anodised grain, longer brushed
};

// Dark anodised faceplate of a radio or instrument.
inline constexpr FaceStyle kAnodisedFace{{70, 71, 74}, {46, 47, 50}, 6.0, 1.6, 0.30, 0.55, 0.0, 1.0};
// The same plate with a fine brushed finish along its length.
inline constexpr FaceStyle kBrushedFace{{64, 65, 68}, {44, 45, 48}, 5.0, 1.6, 0.32, 0.55, 0.028, 140.0};
// The darker frame a faceplate sits in.
inline constexpr FaceStyle kRackFrame{{30, 30, 32}, {22, 22, 24}, 0.0, 1.0, 0.12, 0.40, 0.0, 1.0};
// The panel's own sheet metal, painted satin grey-black.
inline constexpr FaceStyle kPanelSheet{{52, 53, 55}, {40, 41, 43}, 0.0, 0.0, 0.0, 0.0, 0.03, 1.0};

// A raised plate filling `area`: vertical gradient, surface finish, bevelled edge.
void panel_face(Canvas& canvas, const Rect& area, const FaceStyle& style = kAnodisedFace);

// A fine surface finish over `area` (rounded by `corner_radius`): light and
// dark streaks `streak` pixels long at strength `grain`. The same seed gives
// the same pattern.
void surface_finish(Canvas& canvas, const Rect& area, double corner_radius, double grain, double streak,
                    uint32_t seed = 1);

struct ScrewStyle {
    Rgb lit;                  // the head where the light hits it
    Rgb shade;                // the head's far edge
    Rgb recess;               // the cross slots
    double countersink;       // hole radius as a multiple of the head radius
    double slot_width;        // as a fraction of the head radius
};

inline constexpr ScrewStyle kPanelScrew{{196, 196, 192}, {64, 64, 66}, {30, 30, 31}, 1.2, 0.28};
// A black-oxide screw, as on instrument cases.
inline constexpr ScrewStyle kBlackScrew{{120, 120, 122}, {26, 26, 28}, {12, 12, 13}, 1.18, 0.26};

// A cross-head screw in its countersunk hole, its cross turned by `angle`.
void screw(Canvas& canvas, double cx, double cy, double r, double angle, const ScrewStyle& style = kPanelScrew);

}  // namespace art

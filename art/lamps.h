// Indicator lamps and annunciator tiles, lit and unlit.
#pragma once

#include <string_view>

#include "art/basics.h"
#include "art/labels.h"
#include "art/paint.h"

namespace art {

enum class LampColour { kGreen, kAmber, kRed, kBlue, kWhite };

struct LampColours {
    Rgb glow;                 // the lens lit, at its brightest
    Rgb lit_edge;             // ... towards its rim
    Rgb dark;                 // the coloured glass unlit
};

// The colours of each lamp colour.
LampColours lamp_colours(LampColour colour);

struct LampStyle {
    Material bezel;           // the ring round the lens
    double lens;              // lens radius as a fraction of the lamp's
    int facets;               // facets round a jewel lens, 0 for a smooth dome
    LabelStyle legend;
};

inline constexpr LampStyle kJewelLamp{kChrome, 0.70, 8, kEngravedSmall};
inline constexpr LampStyle kDomeLamp{kSatinBlack, 0.74, 0, kEngravedSmall};

// A round indicator lamp of radius r; `legend` is engraved below it.
void lamp(Canvas& canvas, double cx, double cy, double r, LampColour colour, bool lit, std::string_view legend = {},
          const LampStyle& style = kJewelLamp);

struct AnnunciatorStyle {
    Material frame;
    double frame_width;       // pixels
    const char* family;
    bool bold;
};

inline constexpr AnnunciatorStyle kAnnunciator{kSatinBlack, 2.5, "DejaVu Sans Condensed", true};

// An annunciator tile filling `area`: the legend (lines separated by '\n'),
// `size` high, on coloured glass that glows when lit and stays dark,
// legend barely readable, when not.
void annunciator(Canvas& canvas, const Rect& area, std::string_view legend, double size, LampColour colour, bool lit,
                 const AnnunciatorStyle& style = kAnnunciator);

}  // namespace art

// What every unit of the radio stack shares, so the stack looks like one
// maker's set: the faceplate in its rack frame, and the maker's mark.
#pragma once

#include "art/canvas.h"
#include "art/draw.h"

namespace radios {

// The rack frame, the brushed plate inside it and a screw in each corner.
void draw_faceplate(art::Canvas& canvas, double frame_width, double screw_inset, double screw_radius,
                    const double (&screw_turns)[4]);

// The maker's mark: three swept speed bars, the top one in the maker's red,
// then the name and, when given, the model. `scale` 1 is its size on the
// 600-pixel COM/NAV face; `baseline` is the name's baseline.
void draw_maker_mark(art::Canvas& canvas, double x, double baseline, double scale, const char* model);

// A display: dark glass sunk in a raised black frame `bezel` pixels wide.
void draw_display_glass(art::Canvas& canvas, const art::Rect& glass, double bezel);

// A thin cut across the glass at x, separating two readouts; it stops
// `margin` pixels short of the glass's top and bottom.
void draw_display_divider(art::Canvas& canvas, const art::Rect& glass, double x, double margin);

}  // namespace radios

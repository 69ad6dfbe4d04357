// The audio panel's artwork: its face, the marker lamp column with one lamp
// lit, and one receiver audio switch thrown up.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the records in audio.cpp:
//   marker lamps icon  (19, 18) 14x58: from the top the A lamp (y 18..35),
//                      the O lamp (37..54) and the M lamp (58..75), as the
//                      help areas over them say
//   audio switches     10x17 icons at y 20, x 122 COM1, 154 COM2, 186 NAV1,
//                      218 NAV2, 249 DME, 281 MKR, 313 ADF
// The face is drawn at about the physical scale of the COM/NAV radio's
// 600 px face (450 px over a slightly narrower width): its parts are the
// radio's sizes times kScale.
//
// A switch's icon shows only while its receiver is heard; the face beneath
// shows the switch thrown down. Each switch sits in a small slot that its
// icon covers whole, so the lever thrown up hides the face's lever thrown
// down. The lamp icons carry only the lit lamp's tile; the face shows all
// three dark.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "art/canvas.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "modules/radios/artwork_family.h"
#include "modules/radios/artwork_parts.h"
#include "modules/radios/bitmaps.h"

namespace {

using art::Align;
using art::Canvas;
using art::Rect;

constexpr int kFaceWidth = 450;
constexpr int kFaceHeight = 96;
constexpr double kScale = kFaceWidth / 600.0;

// Faceplate inside its frame, as on the COM/NAV radio.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0 * kScale;
constexpr double kScrewRadius = 5.5 * kScale;
constexpr double kScrewTurns[4] = {-38.0, 21.0, 66.0, 12.0};

constexpr art::LabelStyle kLegend = art::kEngravedSmall;
constexpr double kLegendSize = 6.5;

// ---------------------------------------------------------------------------
// The marker lamps: three tiles in a column, lettered.

constexpr double kLampsX = 19;
constexpr double kLampsY = 18;
constexpr int kLampsWidth = 14;
constexpr int kLampsHeight = 58;
struct MarkerLamp {
    const char* letter;
    Rect tile;  // within the column
    art::LampColour colour;
};
constexpr MarkerLamp kInner{"A", {0, 0, 14, 18}, art::LampColour::kWhite};
constexpr MarkerLamp kOuter{"O", {0, 19, 14, 18}, art::LampColour::kBlue};
constexpr MarkerLamp kMiddle{"M", {0, 40, 14, 18}, art::LampColour::kAmber};
constexpr MarkerLamp kMarkerLamps[] = {kInner, kOuter, kMiddle};
constexpr double kLampLetterSize = 8.5;
constexpr double kLampsBezel = 2.0;

// ---------------------------------------------------------------------------
// The audio switches.

struct AudioSwitch {
    double x;
    const char* name;
};
constexpr AudioSwitch kSwitches[] = {{122, "COM1"}, {154, "COM2"}, {186, "NAV1"}, {218, "NAV2"},
                                     {249, "DME"},  {281, "MKR"},  {313, "ADF"}};
constexpr double kSwitchY = 20;
constexpr int kSwitchWidth = 10;
constexpr int kSwitchHeight = 17;
constexpr double kSwitchNutRadius = 3.4;
constexpr double kBracketY = 48;

// The lever: satin aluminium, light enough to read thrown either way, and in
// nut radii shorter and stouter than the toolkit's so it reads at this size.
constexpr art::Material kLeverMetal{{214, 214, 208}, 0.62, 0.50, 0.50, 24, 0.0};
constexpr art::ToggleStyle kLever{.lever = kLeverMetal,
                                  .nut = art::kChrome,
                                  .lever_length = 1.75,
                                  .lever_tilt = 40,
                                  .nut_sides = 6,
                                  .shaft_base = 0.30,
                                  .shaft_top = 0.40,
                                  .bat_width = 0.62,
                                  .bat_height = 0.50,
                                  .shadow = 0.45};
constexpr art::KnobStyle kNut{art::kChrome, art::kChrome, 0.70, 40, 30, 0.4, 0.14, 0.6};

// The jacks of the pilot's headset at the right.
constexpr double kJackY = 32;
constexpr double kJackRadius = 6;
constexpr double kPhoneJackX = 362;
constexpr double kMicJackX = 404;

constexpr double kBottomLine = kFaceHeight - 22 * kScale;

// ---------------------------------------------------------------------------
// Parts

void draw_tile(Canvas& canvas, double x, double y, const MarkerLamp& lamp, bool lit) {
    art::annunciator(canvas, {x + lamp.tile.x, y + lamp.tile.y, lamp.tile.w, lamp.tile.h}, lamp.letter,
                     kLampLetterSize, lamp.colour, lit);
}

void draw_marker_column(Canvas& canvas) {
    const Rect column{kLampsX, kLampsY, kLampsWidth, kLampsHeight};
    art::panel_face(canvas, art::inset(column, -kLampsBezel), {{36, 36, 38}, {24, 24, 26}, 2.0, 1.0, 0.22, 0.6, 0, 1});
    cairo_t* cr = canvas.cr();
    {
        art::Saved saved(cr);
        art::set_source(cr, {14, 14, 15});
        cairo_rectangle(cr, column.x, column.y, column.w, column.h);
        cairo_fill(cr);
    }
    for (const MarkerLamp& lamp : kMarkerLamps) draw_tile(canvas, kLampsX, kLampsY, lamp, false);
    art::engraved_label(canvas, "MKR", column.x + column.w / 2, column.y - kLampsBezel - 3, kLegendSize,
                        Align::kCentre, kLegend);
}

// One switch filling its 10x17 slot at (x, y): the dark slot, the nut, the lever.
void draw_switch(Canvas& canvas, double x, double y, bool up) {
    cairo_t* cr = canvas.cr();
    {
        art::Saved saved(cr);
        art::set_source(cr, {24, 24, 26});
        cairo_rectangle(cr, x, y, kSwitchWidth, kSwitchHeight);
        cairo_fill(cr);
        // The slot's walls: in shade under its top and left edges, catching
        // the light along the bottom and right.
        art::set_source(cr, {10, 10, 11});
        cairo_rectangle(cr, x, y, kSwitchWidth, 1);
        cairo_fill(cr);
        cairo_rectangle(cr, x, y + 1, 1, kSwitchHeight - 1);
        cairo_fill(cr);
        art::set_source(cr, {66, 66, 70});
        cairo_rectangle(cr, x + 1, y + kSwitchHeight - 1, kSwitchWidth - 1, 1);
        cairo_fill(cr);
        cairo_rectangle(cr, x + kSwitchWidth - 1, y + 1, 1, kSwitchHeight - 2);
        cairo_fill(cr);
    }
    const double cx = x + kSwitchWidth / 2.0, cy = y + kSwitchHeight / 2.0;
    {
        // Only what lies inside the slot belongs to the switch.
        art::Saved saved(cr);
        cairo_rectangle(cr, x, y, kSwitchWidth, kSwitchHeight);
        cairo_clip(cr);
        art::knob_ribbed(canvas, cx, cy, kSwitchNutRadius, 12, kNut);
        art::circle_path(cr, cx, cy, kSwitchNutRadius * 0.4);
        art::set_source(cr, {14, 14, 15});
        cairo_fill(cr);
        art::toggle_lever(canvas, cx, cy, kSwitchNutRadius, up, kLever);
    }
}

// The small speaker that marks the switches' up position, and OFF at their
// down position, left of the row.
void draw_row_markings(Canvas& canvas) {
    const double right = kSwitches[0].x - 5;
    const double up_y = kSwitchY + 4.5, down_y = kSwitchY + kSwitchHeight - 2;
    cairo_t* cr = canvas.cr();
    const double s = 1.1;  // the speaker's unit
    const double x = right - 11 * s, y = up_y;
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y - 1.6 * s, 2.2 * s, 3.2 * s);
    cairo_move_to(cr, x + 2.6 * s, y - 1.6 * s);
    cairo_line_to(cr, x + 5.4 * s, y - 4 * s);
    cairo_line_to(cr, x + 5.4 * s, y + 4 * s);
    cairo_line_to(cr, x + 2.6 * s, y + 1.6 * s);
    cairo_close_path(cr);
    art::engrave_current_path(cr, kLegend);
    for (const double reach : {2.6, 5.0}) {
        // A sound wave: a thin band between two arcs.
        cairo_new_path(cr);
        cairo_arc(cr, x + 5.6 * s, y, (reach + 0.45) * s, -0.8, 0.8);
        cairo_arc_negative(cr, x + 5.6 * s, y, (reach - 0.45) * s, 0.8, -0.8);
        cairo_close_path(cr);
        art::engrave_current_path(cr, kLegend);
    }
    art::engraved_label(canvas, "OFF", right, down_y + 2, 5.5, Align::kRight, kLegend);
}

// A thin engraved line with its ends turned up under the switch row,
// "RECEIVERS" in a gap at its middle.
void draw_row_bracket(Canvas& canvas) {
    const double left = kSwitches[0].x - 4, right = kSwitches[6].x + kSwitchWidth + 4, mid = (left + right) / 2;
    const double y = kBracketY;
    const double gap = art::label_width(canvas, "RECEIVERS", kLegendSize, kLegend) / 2 + 4;
    cairo_t* cr = canvas.cr();
    for (const double sign : {-1.0, 1.0}) {
        const double end = sign < 0 ? left : right, inner = mid + sign * gap;
        cairo_new_path(cr);
        cairo_move_to(cr, end, y - 4);
        cairo_line_to(cr, end, y);
        cairo_line_to(cr, inner, y);
        cairo_line_to(cr, inner, y + 0.9);
        cairo_line_to(cr, end - sign * 0.9, y + 0.9);
        cairo_line_to(cr, end - sign * 0.9, y - 4);
        cairo_close_path(cr);
        art::engrave_current_path(cr, kLegend);
    }
    art::engraved_label(canvas, "RECEIVERS", mid, y + kLegendSize * 0.38, kLegendSize, Align::kCentre, kLegend);
}

// A headset jack: a chrome ring round a dark hole, named below.
void draw_jack(Canvas& canvas, double cx, double cy, const char* name) {
    constexpr art::KnobStyle kRing{art::kChrome, art::kChrome, 0.80, 45, 0, 0.0, 0.12, 0.6};
    art::knob_plain(canvas, cx, cy, kJackRadius, kRing);
    cairo_t* cr = canvas.cr();
    {
        art::Saved saved(cr);
        art::Pattern hole = art::radial_pattern(cx - 0.6, cy - 0.8, 0, cx, cy, kJackRadius * 0.55);
        art::stop(hole.get(), 0, {4, 4, 5});
        art::stop(hole.get(), 0.7, {10, 10, 11});
        art::stop(hole.get(), 1, {40, 40, 42});
        cairo_set_source(cr, hole.get());
        art::circle_path(cr, cx, cy, kJackRadius * 0.55);
        cairo_fill(cr);
    }
    art::engraved_label(canvas, name, cx, cy + kJackRadius + 10, kLegendSize, Align::kCentre, kLegend);
}

// ---------------------------------------------------------------------------
// The bitmaps

void draw_face(Canvas& canvas) {
    const double w = canvas.width();
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_marker_column(canvas);

    for (const AudioSwitch& s : kSwitches) {
        draw_switch(canvas, s.x, kSwitchY, false);
        art::engraved_label(canvas, s.name, s.x + kSwitchWidth / 2.0, kSwitchY - 5, kLegendSize, Align::kCentre,
                            kLegend);
    }
    draw_row_markings(canvas);
    draw_row_bracket(canvas);

    draw_jack(canvas, kPhoneJackX, kJackY, "PHONE");
    draw_jack(canvas, kMicJackX, kJackY, "MIC");

    radios::draw_maker_mark(canvas, 150, kBottomLine, kScale, "NA 10");
    art::engraved_label(canvas, "AUDIO", w - kScrewInset - 14 * kScale, kBottomLine, 11 * kScale, Align::kRight);
}

template <const MarkerLamp& Lamp>
void draw_lamp_lit(Canvas& canvas) {
    draw_tile(canvas, 0, 0, Lamp, true);
}

void draw_switch_up(Canvas& canvas) { draw_switch(canvas, 0, 0, true); }

// The declared size of bitmap `id`, to hold the layout above to it.
constexpr bool declared_as(uint32_t id, int width, int height) {
    for (const BitmapResource& b : radios::kBitmaps) {
        if (b.id == id) return b.width == width && b.height == height;
    }
    return false;
}

static_assert(declared_as(radios::kBmpAudioFace, kFaceWidth, kFaceHeight));
static_assert(declared_as(radios::kBmpAudioSwitchUp, kSwitchWidth, kSwitchHeight));
static_assert(declared_as(radios::kBmpMarkerOuterLit, kLampsWidth, kLampsHeight) &&
              declared_as(radios::kBmpMarkerMiddleLit, kLampsWidth, kLampsHeight) &&
              declared_as(radios::kBmpMarkerInnerLit, kLampsWidth, kLampsHeight));

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpAudioFace, draw_face},
    {radios::kBmpMarkerOuterLit, draw_lamp_lit<kOuter>},
    {radios::kBmpMarkerMiddleLit, draw_lamp_lit<kMiddle>},
    {radios::kBmpMarkerInnerLit, draw_lamp_lit<kInner>},
    {radios::kBmpAudioSwitchUp, draw_switch_up},
};

}  // namespace

std::vector<art::Drawing> radios::audio_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }

// Draws one sample of every drawing primitive on a sheet, for judging the
// toolkit's look as a whole:
//
//   art_sampler OUT.png
#include <array>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "art/draw.h"

namespace {

using namespace art;

constexpr int kWidth = 1400;
constexpr int kHeight = 1180;

void caption(Canvas& c, std::string_view text, double x, double y) {
    engraved_label(c, text, x, y, 10, Align::kCentre, kEngravedSmall);
}

// A round instrument: case, dial, ranges, graduations, numerals, needle, hub,
// bezel and glass, in the order a module draws them.
void instrument(Canvas& c, double x, double y, double side) {
    const double cx = x + side / 2, cy = y + side / 2, r = side * 0.46;
    square_case(c, {x, y, side, side});
    dial_face(c, cx, cy, r * 0.93);
    const Arc arc{cx, cy, r * 0.86, -135, 135};
    scale_arc(c, {cx, cy, arc.r, -60, 75}, 0.05, kArcGreen);
    scale_arc(c, {cx, cy, arc.r, 75, 110}, 0.05, kArcYellow);
    scale_arc(c, {cx, cy, arc.r, 110, 113}, 0.10, kArcRed);
    scale_ticks(c, arc, 8, 4);
    constexpr std::array<std::string_view, 8> numbers{"0", "5", "10", "15", "20", "25", "30", "35"};
    scale_numerals(c, arc, numbers);
    engraved_label(c, "RPM", cx, cy + r * 0.42, r * 0.13, Align::kCentre, kDialPrint);
    engraved_label(c, "x100", cx, cy + r * 0.58, r * 0.09, Align::kCentre, kDialPrint);
    needle(c, cx, cy, r * 0.80, kWhiteNeedle);
    needle_hub(c, cx, cy, r * 0.09);
    round_bezel(c, cx, cy, r);
    glass_reflection(c, cx, cy, r * 0.92);
}

// A small clock-like dial with rotated numerals and a sword hand.
void clock(Canvas& c, double cx, double cy, double r) {
    dial_face(c, cx, cy, r * 0.92);
    const Arc arc{cx, cy, r * 0.86, 0, 330};
    scale_ticks(c, {cx, cy, arc.r, 0, 360}, 13, 4, {{238, 238, 232}, 0.12, 0.03, 0, 0, 0.05, 0.012});
    constexpr std::array<std::string_view, 12> hours{"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    scale_numerals(c, arc, hours, {kDialPrint, 0.14, 0.68, false});
    needle(c, cx, cy, r * 0.62, kSwordHand);
    needle(c, cx, cy, r * 0.8, kLollipopNeedle);
    needle_hub(c, cx, cy, r * 0.08, kBlackHubWithPin);
    round_bezel(c, cx, cy, r, kChromeBezel);
    glass_reflection(c, cx, cy, r * 0.95);
}

void draw(Canvas& c) {
    panel_face(c, {0, 0, kWidth, kHeight}, kPanelSheet);
    engraved_label(c, "Drawing toolkit sampler", 24, 34, 20);

    // Instruments.
    instrument(c, 24, 56, 300);
    clock(c, 500, 206, 120);
    {
        // Needles on a dial strip, and hubs.
        const Rect strip{660, 70, 420, 280};
        panel_face(c, strip, {{36, 36, 38}, {26, 26, 28}, 4, 1.0, 0.1, 0.4, 0.02, 1});
        const NeedleStyle needles[] = {kWhiteNeedle, kLollipopNeedle, kThinPointer, kSwordHand, kOrangeMarker};
        const char* names[] = {"tapered", "lollipop", "thin", "sword", "marker"};
        for (int i = 0; i < 5; ++i) {
            const double y = strip.y + 34 + i * 50;
            needle(c, strip.x + 70, y, 200, needles[i]);
            needle_hub(c, strip.x + 70, y, 9, i % 2 ? kBlackHubWithPin : kBlackHub);
            engraved_label(c, names[i], strip.x + 300, y + 4, 11, Align::kLeft, kEngravedSmall);
        }
        needle_hub(c, strip.x + 380, strip.y + 240, 16, kAluminiumHub);
    }
    {
        // Windows.
        recessed_window(c, {1110, 70, 260, 60});
        engraved_label(c, "118.00", 1350, 116, 34, Align::kRight, {{255, 150, 40}, "DSEG7 Classic", false, 0, 0});
        caption(c, "recessed_window", 1240, 148);
        lcd_window(c, {1110, 166, 125, 44}, "888.8", kGreenLcd);
        lcd_window(c, {1245, 166, 125, 44}, "88.88", kAmberLcd);
        caption(c, "lcd_window", 1240, 228);
        drum_digits(c, {1110, 246, 130, 40}, "7700");
        drum_digits(c, {1250, 246, 120, 40}, "1234", 0.35, kWhiteDrum);
        caption(c, "drum_digits", 1240, 304);
    }

    // Knobs.
    const double ky = 430;
    knob_plain(c, 70, ky, 30);
    caption(c, "knob_plain", 70, ky + 52);
    knob_ribbed(c, 170, ky, 30, 36);
    pointer_mark(c, 170, ky, 30 * kBlackKnob.cap_fraction, -40);
    caption(c, "knob_ribbed", 170, ky + 52);
    knob_dual_concentric(c, 290, ky, 34, 20);
    caption(c, "knob_dual_concentric", 290, ky + 52);
    knob_ribbed(c, 410, ky, 30, 40, kSilverCapKnob);
    caption(c, "silver cap", 410, ky + 52);
    knob_ribbed(c, 510, ky, 30, 44, kAluminiumKnob);
    caption(c, "aluminium", 510, ky + 52);
    knob_with_flats(c, 610, ky, 30, 30);
    caption(c, "knob_with_flats", 610, ky + 52);
    bug_knob(c, 710, ky, 22);
    caption(c, "bug_knob", 710, ky + 52);
    for (int i = 0; i < 4; ++i) screw(c, 770 + i * 30, ky, 6 + i, 15.0 * i, i % 2 ? kBlackScrew : kPanelScrew);
    caption(c, "screw", 815, ky + 52);

    // Switches and buttons.
    const double sy = 600;
    toggle_switch(c, 70, sy, 16, true);
    caption(c, "toggle up", 70, sy + 62);
    toggle_switch(c, 150, sy, 16, false);
    caption(c, "toggle down", 150, sy + 62);
    toggle_switch(c, 230, sy, 16, true, kBlackToggle);
    caption(c, "black bat", 230, sy + 62);
    rocker(c, {290, sy - 40, 40, 76}, true, "PITOT");
    rocker(c, {350, sy - 40, 40, 76}, false, "PITOT");
    rocker(c, {410, sy - 40, 40, 76}, true, "BAT", kRedRocker);
    caption(c, "rocker on / off / red", 370, sy + 62);
    push_button(c, {490, sy - 28, 56, 56}, false, "GPS\nNAV", 9);
    push_button(c, {556, sy - 28, 56, 56}, true, "GPS\nNAV", 9);
    push_button(c, {622, sy - 28, 56, 56}, false, "TEST", 9, kGreyButton);
    caption(c, "push_button up / pressed", 584, sy + 62);

    // Lamps and annunciators.
    const double ly = 760;
    const LampColour colours[] = {LampColour::kGreen, LampColour::kAmber, LampColour::kRed, LampColour::kBlue,
                                  LampColour::kWhite};
    const char* lamp_names[] = {"GEAR", "LOW FUEL", "WARN", "MKR", "TEST"};
    for (int i = 0; i < 5; ++i) {
        lamp(c, 60 + i * 90, ly, 14, colours[i], true, lamp_names[i]);
        lamp(c, 60 + i * 90, ly + 80, 14, colours[i], false, lamp_names[i], i % 2 ? kDomeLamp : kJewelLamp);
    }
    const char* tiles[] = {"GEAR\nDOWN", "LOW\nVOLTS", "OIL\nPRESS", "AP\nTRIM", "DOOR\nAJAR"};
    for (int i = 0; i < 5; ++i) {
        annunciator(c, {500 + i * 100.0, ly - 24, 88, 44}, tiles[i], 9, colours[i], true);
        annunciator(c, {500 + i * 100.0, ly + 56, 88, 44}, tiles[i], 9, colours[i], false);
    }
    caption(c, "lamp and annunciator, lit and unlit", 500, ly + 128);

    // Placards and engraving.
    const double py = 960;
    placard(c, {40, py, 200, 36}, "MANEUVERING SPEED\n112 KIAS", 8);
    placard(c, {260, py, 160, 36}, "NO SMOKING", 10, kWhitePlacard);
    PlacardStyle riveted = kBlackPlacard;
    riveted.rivets = true;
    placard(c, {440, py, 200, 24}, "COWL FLAPS", 9, riveted);
    engraved_label(c, "ENGRAVED LABEL", 680, py + 22, 14);
    engraved_arrow(c, 860, py + 16, 9, Direction::kUp);
    engraved_arrow(c, 880, py + 16, 9, Direction::kDown);
    engraved_tick(c, 940, py + 40, 20, 30, -30, 2);
    engraved_wedge(c, 940, py + 40, 26, 0, 90, 1, 5);
    caption(c, "placard, engraving", 500, py + 64);

    // Faces and finishes.
    panel_face(c, {900, 420, 470, 120}, kBrushedFace);
    engraved_label(c, "kBrushedFace", 920, 450, 12);
    panel_face(c, {900, 560, 470, 120}, kAnodisedFace);
    engraved_label(c, "kAnodisedFace", 920, 590, 12);
    square_case(c, {1000, 760, 160, 160});
    caption(c, "square_case", 1080, 940);
    round_bezel(c, 1270, 840, 70);
    dial_face(c, 1270, 840, 64);
    round_bezel(c, 1270, 840, 70);
    glass_reflection(c, 1270, 840, 65);
    caption(c, "round_bezel", 1270, 940);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argc > 0 ? argv[0] : "art_sampler");
        return 1;
    }
    try {
        Canvas canvas(kWidth, kHeight);
        draw(canvas);
        canvas.write_png(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "art_sampler: %s\n", e.what());
        return 1;
    }
    return 0;
}

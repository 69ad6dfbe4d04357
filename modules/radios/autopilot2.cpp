// The knob-and-switch autopilot panel, "RadioAP2".
//
// A pitch trim wheel sets the autopilot's vertical speed (a marker beside
// the wheel and two trim lamps show it), a spring-loaded turn knob moves the
// heading bug, two toggle switches engage the autopilot and the altitude
// hold, and a three-position switch picks OMNI INTERCEPT (NAV), TRK or HDG.
// The panel acts only through host key events; it keeps the positions of its
// turn knob and mode switch itself, and decides which events to send from
// the host's modes, which it looks up.
#include "modules/radios/bitmaps.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "modules/radios/ticks.h"
#include "framework/services.h"

namespace radios {
namespace {

// Host variables, all floats; the modes hold 0 (off) or 1 (on).
constexpr uint32_t kApEngaged = 103;
constexpr uint32_t kApNavMode = 105;
constexpr uint32_t kApHeadingMode = 106;
constexpr uint32_t kApAltitudeHold = 108;
constexpr uint32_t kApVerticalSpeedSetting = 120;

// Key events. The mode events toggle their mode; the wheel steps the
// vertical-speed setting by 100 and the turn knob moves the heading bug.
constexpr uint32_t kEventApEngage = 65580;
constexpr uint32_t kEventApNav = 65729;
constexpr uint32_t kEventApHeading = 65798;
constexpr uint32_t kEventApAltitudeHold = 65799;
constexpr uint32_t kEventHeadingBugRight = 65879;
constexpr uint32_t kEventHeadingBugLeft = 65880;
constexpr uint32_t kEventApVerticalSpeedUp = 65894;
constexpr uint32_t kEventApVerticalSpeedDown = 65895;

// Help texts over the switches and the turn knob.
constexpr uint32_t kHelpApEngage = 43790;
constexpr uint32_t kHelpTurnKnob = 43827;
constexpr uint32_t kHelpApNav = 44421;
constexpr uint32_t kHelpApHeading = 44423;
constexpr uint32_t kHelpApAltitudeHold = 44428;

// The wheel stops stepping once the vertical-speed setting reaches these.
constexpr double kWheelTop = 1000.0;
constexpr double kWheelBottom = -1000.0;

// The marker beside the wheel moves 0.08 pixel down per foot per minute.
constexpr double kMarkerScale = 0.08;

// The turn knob springs back to the centre this many ticks after leaving it.
constexpr int32_t kTurnKnobReturnTicks = 8;

// Positions of the mode switch and of the turn knob (their icon numbers).
constexpr int8_t kModeOmniIntercept = 0;
constexpr int8_t kModeTrack = 1;
constexpr int8_t kModeHeading = 2;
constexpr int8_t kKnobLeft = 0;
constexpr int8_t kKnobCentre = 1;
constexpr int8_t kKnobRight = 2;

// ---------------------------------------------------------------------------
// Module-level state

int8_t ap2_mode_switch = kModeTrack;
int8_t ap2_turn_knob = kKnobCentre;
// Tick count when the knob left the centre; -1 while the knob is centred.
int32_t turn_knob_timer_start = -1;

// Host variables the handlers look up.
MODULE_VAR ap2_vertical_speed = module_var(kApVerticalSpeedSetting);
MODULE_VAR ap2_heading_mode = module_var(kApHeadingMode);
MODULE_VAR ap2_nav_mode = module_var(kApNavMode);

// ---------------------------------------------------------------------------
// Callbacks

// Trim lamps: the upper lamp (0) while climbing, the lower (1) while
// descending, neither (-1) at a vertical speed of 0.
double GAUGE_CALL ap2_trim_lamps(ELEMENT_ICON* element) {
    double vertical_speed = element->source.value.number;
    if (vertical_speed > 0.0) return 0;
    if (vertical_speed < 0.0) return 1;
    return -1;
}

// The ON/OFF and ALT toggle levers: down (0) while off, up (1) while on.
double GAUGE_CALL ap2_toggle_lever(ELEMENT_ICON* element) { return element->source.value.number; }

double GAUGE_CALL ap2_mode_switch_icon(ELEMENT_ICON*) { return ap2_mode_switch; }

// The turn knob's spring: once the knob is off the centre a timer runs from
// the tick count of that moment; 8 ticks later the knob is centred again. A
// second turn meanwhile does not restart the timer.
double GAUGE_CALL ap2_turn_knob_icon(ELEMENT_ICON*) {
    double ticks = tick_count();
    if (ap2_turn_knob != kKnobCentre && turn_knob_timer_start == -1) turn_knob_timer_start = timer_start(ticks);
    if (elapsed_ticks(ticks, turn_knob_timer_start) == kTurnKnobReturnTicks) {
        ap2_turn_knob = kKnobCentre;
        turn_knob_timer_start = -1;
    }
    return ap2_turn_knob;
}

// -- handlers ------------------------------------------------------------------

// OMNI INTERCEPT: toggles NAV mode on every click.
int32_t GAUGE_CALL ap2_mode_top(int32_t, int32_t, uint32_t) {
    trigger_key_event(kEventApNav, 1);
    ap2_mode_switch = kModeOmniIntercept;
    return 0;
}

// TRK: switches off whichever of HDG and NAV is on, HDG first.
int32_t GAUGE_CALL ap2_mode_middle(int32_t, int32_t, uint32_t) {
    lookup_var(&ap2_heading_mode);
    lookup_var(&ap2_nav_mode);
    if (ap2_heading_mode.value.number == 1.0) trigger_key_event(kEventApHeading, 1);
    if (ap2_nav_mode.value.number == 1.0) trigger_key_event(kEventApNav, 1);
    ap2_mode_switch = kModeTrack;
    return 0;
}

// HDG: toggles heading mode on every click.
int32_t GAUGE_CALL ap2_mode_bottom(int32_t, int32_t, uint32_t) {
    trigger_key_event(kEventApHeading, 1);
    ap2_mode_switch = kModeHeading;
    return 0;
}

int32_t GAUGE_CALL ap2_turn_left(int32_t, int32_t, uint32_t) {
    ap2_turn_knob = kKnobLeft;
    trigger_key_event(kEventHeadingBugLeft, 0);
    return 0;
}

int32_t GAUGE_CALL ap2_turn_right(int32_t, int32_t, uint32_t) {
    ap2_turn_knob = kKnobRight;
    trigger_key_event(kEventHeadingBugRight, 0);
    return 0;
}

// The pitch wheel: one step of the vertical-speed setting a click, down to
// -1000 and up to 1000.
int32_t GAUGE_CALL ap2_wheel_down(int32_t, int32_t, uint32_t) {
    lookup_var(&ap2_vertical_speed);
    if (ap2_vertical_speed.value.number > kWheelBottom) trigger_key_event(kEventApVerticalSpeedDown, 1);
    return 0;
}

int32_t GAUGE_CALL ap2_wheel_up(int32_t, int32_t, uint32_t) {
    lookup_var(&ap2_vertical_speed);
    if (ap2_vertical_speed.value.number < kWheelTop) trigger_key_event(kEventApVerticalSpeedUp, 1);
    return 0;
}

// ---------------------------------------------------------------------------
// Records

// Failures: the electrics and the avionics bus darken the lamps and switches.
constexpr FAILURE_RECORD ap2_failures[] = {{kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {0, 0, 0}};

constexpr SLIDER_AXIS slider_axis(uint32_t token, double scale) {
    return SLIDER_AXIS{.source = module_var(token), .host_reserved = 0, .callback = nullptr, .scale = scale,
                       .host_value = 0};
}

// A slider without callbacks: the bitmap moves by each variable's value times its scale.
constexpr ELEMENT_SLIDER slider(GAUGEHDR* gauge, int32_t bitmap, PIXPOINT position, uint32_t image_flags,
                                SLIDER_AXIS x, SLIDER_AXIS y) {
    return ELEMENT_SLIDER{.header = element(kElementSlider, bitmap, position, gauge, image_flags), .x = x, .y = y};
}

// A toggle lever: down while its variable is 0, up while it is 1.
constexpr ELEMENT_ICON toggle_lever(PIXPOINT position, uint32_t token) {
    return icon(&autopilot2_gauge, kBmpToggleDown, 2, position, 0x3, ap2_failures, token, ap2_toggle_lever);
}

// A switch or lever position: a parent with its help text, one child that
// takes the click, and the record that closes the parent.
constexpr MOUSERECT switch_place(MOUSE_BOX box, uint32_t help_id) { return mouse_parent(box, help_id); }

constexpr MOUSERECT switch_press(MOUSE_BOX box, uint32_t event_id) {
    return mouse_event(box, kCursorHand, kClick, event_id);
}

constexpr MOUSERECT switch_handler(MOUSE_BOX box, MouseHandler handler) {
    return mouse_handler(box, kCursorHand, kClick, handler);
}

constexpr MOUSE_BOX kLeverArea = {0, 0, 50, 70};

}  // namespace

// ===========================================================================
// "RadioAP2"

namespace {

ELEMENT_SLIDER ap2_wheel_marker = slider(&autopilot2_gauge, kBmpPitchWheelMarker, {84, 175}, 0x3, slider_axis(0, 0),
                                         slider_axis(kApVerticalSpeedSetting, kMarkerScale));
ELEMENT_ICON ap2_trim_lamp_pair = icon(&autopilot2_gauge, kBmpTrimLampUpper, 2, {163, 230}, 0x3, ap2_failures,
                                       kApVerticalSpeedSetting, ap2_trim_lamps);
ELEMENT_ICON ap2_turn_knob_picture =
    icon(&autopilot2_gauge, kBmpTurnKnobLeft, 3, {187, 94}, 0x3, nullptr, 0, ap2_turn_knob_icon);
ELEMENT_ICON ap2_engage_lever = toggle_lever({430, 140}, kApEngaged);
ELEMENT_ICON ap2_mode_switch_picture =
    icon(&autopilot2_gauge, kBmpModeSwitchUp, 3, {513, 246}, 0x3, ap2_failures, 0, ap2_mode_switch_icon);
ELEMENT_ICON ap2_altitude_lever = toggle_lever({350, 245}, kApAltitudeHold);

ELEMENT_HEADER* ap2_face_children[] = {&ap2_wheel_marker.header,        &ap2_trim_lamp_pair.header,
                                       &ap2_turn_knob_picture.header,   &ap2_engage_lever.header,
                                       &ap2_mode_switch_picture.header, &ap2_altitude_lever.header,
                                       nullptr};
ELEMENT_STATIC_IMAGE ap2_face = static_image(&autopilot2_gauge, kBmpAutopilot2Face, {0, 0}, 0x1, ap2_face_children);
ELEMENT_HEADER* ap2_elements[] = {&ap2_face.header, nullptr};

MOUSERECT ap2_mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    switch_place({430, 140, 51, 76}, kHelpApEngage),
    switch_press(kLeverArea, kEventApEngage),
    mouse_end_parent(),
    switch_place({350, 245, 51, 76}, kHelpApAltitudeHold),
    switch_press(kLeverArea, kEventApAltitudeHold),
    mouse_end_parent(),
    switch_place({510, 220, 50, 40}, kHelpApNav),
    switch_handler({0, 0, 49, 39}, ap2_mode_top),
    mouse_end_parent(),
    switch_place({510, 265, 50, 40}, 0),
    switch_handler({0, 0, 49, 39}, ap2_mode_middle),
    mouse_end_parent(),
    switch_place({510, 300, 50, 30}, kHelpApHeading),
    switch_handler({0, 0, 49, 29}, ap2_mode_bottom),
    mouse_end_parent(),
    mouse_parent({190, 90, 180, 100}, kHelpTurnKnob),
    mouse_handler({0, 0, 70, 95}, kCursorDown, kClick, ap2_turn_left),
    mouse_handler({105, 0, 70, 95}, kCursorUp, kClick, ap2_turn_right),
    mouse_end_parent(),
    mouse_handler({120, 182, 40, 96}, kCursorUp, kStep, ap2_wheel_up),
    mouse_handler({120, 80, 40, 96}, kCursorDown, kStep, ap2_wheel_down),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR autopilot2_gauge = gauge_header("RadioAP2", ap2_elements, 200, ap2_mouse);

}  // namespace radios

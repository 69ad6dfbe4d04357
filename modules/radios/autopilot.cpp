// The push-button autopilot panel, "RadioAP".
//
// Six mode buttons light while their mode is on (AP, HDG, NAV, APR, REV,
// ALT); the display window shows the active lateral modes and the
// autopilot's altitude and vertical-speed settings. Every button sends one
// host key event; the panel keeps no state of its own.
#include "modules/radios/bitmaps.h"
#include "modules/radios/convert.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "framework/text_format.h"

namespace radios {
namespace {

// Host variables, all floats; the modes hold 0 (off) or 1 (on).
constexpr uint32_t kApEngaged = 103;
constexpr uint32_t kApNavMode = 105;
constexpr uint32_t kApHeadingMode = 106;
constexpr uint32_t kApAltitudeHold = 108;
constexpr uint32_t kApAltitudeSetting = 109;
constexpr uint32_t kApApproachMode = 112;
constexpr uint32_t kApBackCourseMode = 113;
constexpr uint32_t kApVerticalSpeedSetting = 120;

// Key events: each mode button toggles its mode; the settings step by 100.
constexpr uint32_t kEventApEngage = 65580;
constexpr uint32_t kEventApApproach = 65724;
constexpr uint32_t kEventApBackCourse = 65728;
constexpr uint32_t kEventApNav = 65729;
constexpr uint32_t kEventApHeading = 65798;
constexpr uint32_t kEventApAltitudeHold = 65799;
constexpr uint32_t kEventApAltitudeUp = 65892;
constexpr uint32_t kEventApAltitudeDown = 65893;
constexpr uint32_t kEventApVerticalSpeedUp = 65894;
constexpr uint32_t kEventApVerticalSpeedDown = 65895;

// Help texts over the buttons and the altitude display.
constexpr uint32_t kHelpApEngage = 43790;
constexpr uint32_t kHelpApBackCourse = 44418;
constexpr uint32_t kHelpApApproach = 44419;
constexpr uint32_t kHelpApNav = 44421;
constexpr uint32_t kHelpApHeading = 44423;
constexpr uint32_t kHelpApAltitudeHold = 44428;
constexpr uint32_t kHelpApAltitudeSetting = 44429;

// Special-instrumentation flags of the two settings in the display.
constexpr uint32_t kSpecialAltitude = 0x1;
constexpr uint32_t kSpecialHeading = 0x2;

// ---------------------------------------------------------------------------
// Callbacks

// A button lamp: lit (icon 0) while its mode is 1, dark (-1) while it is 0.
double GAUGE_CALL autopilot_button_lamp(ELEMENT_ICON* element) { return element->source.value.number - 1; }

// "HDG" while heading mode is on, three spaces otherwise.
double GAUGE_CALL autopilot_heading_text(ELEMENT_STRING* element) {
    double heading = element->source[0].value.number;
    format_text(element, "%s", heading > 0.0 ? "HDG" : "   ");
    return heading;
}

// The lateral mode in use, NAV before APR before back course; two spaces when none.
double GAUGE_CALL autopilot_lateral_text(ELEMENT_STRING* element) {
    double nav = element->source[0].value.number;
    double approach = element->source[1].value.number;
    double back_course = element->source[2].value.number;
    const char* mode = "  ";
    if (nav > 0.0) {
        mode = "NAV";
    } else if (approach > 0.0) {
        mode = "APR";
    } else if (back_course > 0.0) {
        mode = "BC ";
    }
    format_text(element, "%s", mode);
    return nav;
}

// "ALT 03000": the altitude setting in whole feet, five digits zero-filled.
double GAUGE_CALL autopilot_altitude_text(ELEMENT_STRING* element) {
    double altitude = element->source[0].value.number;
    format_text(element, "ALT %05d", truncate_to_int32(altitude));
    return altitude;
}

// "VS  00500": the vertical-speed setting in feet per minute; a descent keeps
// its minus sign inside the five-character field ("VS  -0500").
double GAUGE_CALL autopilot_vertical_speed_text(ELEMENT_STRING* element) {
    double vertical_speed = element->source[0].value.number;
    format_text(element, "VS  %05d", truncate_to_int32(vertical_speed));
    return vertical_speed;
}

// ---------------------------------------------------------------------------
// Records

// Failures: the electrics and the avionics bus darken the buttons and the display.
constexpr FAILURE_RECORD autopilot_failures[] = {{kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {0, 0, 0}};

constexpr uint32_t kRed = rgb(255, 0, 0);
constexpr uint32_t kYellow = rgb(255, 255, 0);

// A lit button over the face, one icon, shown while its mode variable is 1.
constexpr ELEMENT_ICON button_lamp(int32_t bitmap, PIXPOINT position, uint32_t token) {
    return icon(&autopilot_gauge, bitmap, 1, position, 0x7, autopilot_failures, token, autopilot_button_lamp);
}

// A field of the display window: red text.
constexpr ELEMENT_STRING display_field(PIXPOINT position, PIXSIZE size, uint32_t max_length,
                                       const uint32_t (&tokens)[3], uint32_t special_flags,
                                       StringCallback callback) {
    return display_string(&autopilot_gauge,
                          {.position = position, .size = size, .image_flags = 0x6, .failures = autopilot_failures,
                           .tokens = {tokens[0], tokens[1], tokens[2]}, .foreground = kRed, .highlight = kYellow,
                           .max_length = max_length, .highlights = nullptr, .callback = callback,
                           .special_flags = special_flags});
}

// A mode button: a parent with the button's help text over a 35x21 place,
// one child that sends the event, and the record that closes the parent.
constexpr MOUSE_BOX kButtonArea = {0, 0, 34, 20};

constexpr MOUSERECT button_place(PIXPOINT at, uint32_t help_id) { return mouse_parent({at.x, at.y, 35, 21}, help_id); }

constexpr MOUSERECT button_press(uint32_t event_id) { return mouse_event(kButtonArea, kCursorHand, kClick, event_id); }

constexpr MOUSERECT setting_step(MOUSE_BOX box, int32_t cursor, uint32_t event_id) {
    return mouse_event(box, cursor, kStep, event_id);
}

// Places of the six buttons on the face (the lamps sit on them).
constexpr PIXPOINT kButtonAp = {20, 92};
constexpr PIXPOINT kButtonHdg = {88, 92};
constexpr PIXPOINT kButtonNav = {164, 92};
constexpr PIXPOINT kButtonApr = {234, 92};
constexpr PIXPOINT kButtonRev = {310, 92};
constexpr PIXPOINT kButtonAlt = {388, 92};

}  // namespace

// ===========================================================================
// "RadioAP"

namespace {

ELEMENT_ICON autopilot_ap_lamp = button_lamp(kBmpButtonAp, kButtonAp, kApEngaged);
ELEMENT_ICON autopilot_hdg_lamp = button_lamp(kBmpButtonHdg, kButtonHdg, kApHeadingMode);
ELEMENT_ICON autopilot_nav_lamp = button_lamp(kBmpButtonNav, kButtonNav, kApNavMode);
ELEMENT_ICON autopilot_apr_lamp = button_lamp(kBmpButtonApr, kButtonApr, kApApproachMode);
ELEMENT_ICON autopilot_rev_lamp = button_lamp(kBmpButtonRev, kButtonRev, kApBackCourseMode);
ELEMENT_ICON autopilot_alt_lamp = button_lamp(kBmpButtonAlt, kButtonAlt, kApAltitudeHold);
ELEMENT_STRING autopilot_heading_field =
    display_field({118, 50}, {48, 40}, 3, {kApHeadingMode, 0, 0}, kSpecialHeading, autopilot_heading_text);
ELEMENT_STRING autopilot_lateral_field = display_field(
    {118, 10}, {48, 40}, 3, {kApNavMode, kApApproachMode, kApBackCourseMode}, 0, autopilot_lateral_text);
ELEMENT_STRING autopilot_altitude_field =
    display_field({234, 10}, {144, 40}, 9, {kApAltitudeSetting, 0, 0}, kSpecialAltitude, autopilot_altitude_text);
ELEMENT_STRING autopilot_vertical_speed_field =
    display_field({234, 50}, {144, 40}, 9, {kApVerticalSpeedSetting, 0, 0}, 0, autopilot_vertical_speed_text);

ELEMENT_HEADER* autopilot_face_children[] = {
    &autopilot_ap_lamp.header,       &autopilot_hdg_lamp.header,      &autopilot_nav_lamp.header,
    &autopilot_apr_lamp.header,      &autopilot_rev_lamp.header,      &autopilot_alt_lamp.header,
    &autopilot_heading_field.header, &autopilot_lateral_field.header, &autopilot_altitude_field.header,
    &autopilot_vertical_speed_field.header,
    nullptr};
ELEMENT_STATIC_IMAGE autopilot_face = static_image(&autopilot_gauge, kBmpAutopilotFace, {0, 0}, 0x1,
                                                   autopilot_face_children);
ELEMENT_HEADER* autopilot_elements[] = {&autopilot_face.header, nullptr};

MOUSERECT autopilot_mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    button_place(kButtonNav, kHelpApNav),
    button_press(kEventApNav),
    mouse_end_parent(),
    button_place(kButtonApr, kHelpApApproach),
    button_press(kEventApApproach),
    mouse_end_parent(),
    button_place(kButtonRev, kHelpApBackCourse),
    button_press(kEventApBackCourse),
    mouse_end_parent(),
    button_place(kButtonAp, kHelpApEngage),
    button_press(kEventApEngage),
    mouse_end_parent(),
    button_place(kButtonAlt, kHelpApAltitudeHold),
    button_press(kEventApAltitudeHold),
    mouse_end_parent(),
    button_place(kButtonHdg, kHelpApHeading),
    button_press(kEventApHeading),
    mouse_end_parent(),
    mouse_parent({240, 20, 100, 40}, kHelpApAltitudeSetting),
    setting_step({0, 0, 30, 25}, kCursorDown, kEventApAltitudeDown),
    setting_step({31, 0, 30, 25}, kCursorUp, kEventApAltitudeUp),
    mouse_end_parent(),
    setting_step({446, 35, 35, 23}, kCursorUp, kEventApVerticalSpeedUp),
    setting_step({446, 73, 35, 23}, kCursorDown, kEventApVerticalSpeedDown),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR autopilot_gauge = gauge_header("RadioAP", autopilot_elements, 200, autopilot_mouse);

}  // namespace radios

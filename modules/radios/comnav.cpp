// The two COM/NAV radios, "RadioComNav1" and "RadioComNav2".
//
// The frequencies live in the host; the radios show them and step them by
// sending the host's key events. What the host does not have is each radio's
// VOL/OFF knob: while it is at OFF the radio's windows are blank.
#include "modules/radios/bitmaps.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "framework/text_format.h"

namespace radios {
namespace {

// Host variables: frequencies in binary-coded decimal, the most significant
// digit in bits 12 to 15 and the leading 1 implied (0x2345 is 123.45).
constexpr uint32_t kCom1Frequency = 23;
constexpr uint32_t kNav1Frequency = 24;
constexpr uint32_t kCom2Frequency = 870;
constexpr uint32_t kNav2Frequency = 27;

// Key events of the tuning knobs: whole megahertz down/up, fraction down/up.
constexpr uint32_t kEventCom1WholeDec = 65636;
constexpr uint32_t kEventCom1WholeInc = 65637;
constexpr uint32_t kEventCom1FractDec = 65638;
constexpr uint32_t kEventCom1FractInc = 65639;
constexpr uint32_t kEventNav1WholeDec = 65640;
constexpr uint32_t kEventNav1WholeInc = 65641;
constexpr uint32_t kEventNav1FractDec = 65642;
constexpr uint32_t kEventNav1FractInc = 65643;
constexpr uint32_t kEventNav2WholeDec = 65644;
constexpr uint32_t kEventNav2WholeInc = 65645;
constexpr uint32_t kEventNav2FractDec = 65646;
constexpr uint32_t kEventNav2FractInc = 65647;
constexpr uint32_t kEventCom2WholeDec = 66436;
constexpr uint32_t kEventCom2WholeInc = 66437;
constexpr uint32_t kEventCom2FractDec = 66438;
constexpr uint32_t kEventCom2FractInc = 66440;

// Help texts over the tuning knobs.
constexpr uint32_t kHelpCom1Knob = 42768;
constexpr uint32_t kHelpCom2Knob = 42770;
constexpr uint32_t kHelpNav1Knob = 42772;
constexpr uint32_t kHelpNav2Knob = 42774;

// Failures: electrics (20, 21) blank a window; the radio's own (9, 14, 15) freeze it.
constexpr uint32_t kFailCom1 = 9;
constexpr uint32_t kFailNav1 = 14;
constexpr uint32_t kFailNav2 = 15;

// ---------------------------------------------------------------------------
// Module-level state: the VOL/OFF knobs, 0 at OFF, 1 on.

int8_t comnav1_power = 0;
int8_t comnav2_power = 0;

// ---------------------------------------------------------------------------
// Callbacks

// "1%d%d%d%d" from the four digits of the frequency while the radio is on,
// the empty text while it is off; the element's value is the frequency.
double show_frequency(ELEMENT_STRING* element, int8_t power) {
    int32_t v = element->source[0].value.integer;
    if (power == 1) {
        format_text(element, "1%d%d%d%d", (v >> 12) & 15, (v >> 8) & 15, (v >> 4) & 15, v & 15);
    } else {
        clear_text(element);
    }
    return static_cast<double>(static_cast<uint32_t>(v));
}

double GAUGE_CALL comnav1_frequency_text(ELEMENT_STRING* element) { return show_frequency(element, comnav1_power); }
double GAUGE_CALL comnav2_frequency_text(ELEMENT_STRING* element) { return show_frequency(element, comnav2_power); }

double GAUGE_CALL comnav1_power_icon(ELEMENT_ICON*) { return comnav1_power; }
double GAUGE_CALL comnav2_power_icon(ELEMENT_ICON*) { return comnav2_power; }

int32_t GAUGE_CALL comnav1_power_off(int32_t, int32_t, uint32_t) {
    comnav1_power = 0;
    return 0;
}
int32_t GAUGE_CALL comnav1_power_on(int32_t, int32_t, uint32_t) {
    comnav1_power = 1;
    return 0;
}
int32_t GAUGE_CALL comnav2_power_off(int32_t, int32_t, uint32_t) {
    comnav2_power = 0;
    return 0;
}
int32_t GAUGE_CALL comnav2_power_on(int32_t, int32_t, uint32_t) {
    comnav2_power = 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Records shared by both radios

constexpr FAILURE_RECORD com1_failures[] = {
    {kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {kFailCom1, 0, 0}, {0, 0, 0}};
constexpr FAILURE_RECORD nav1_failures[] = {
    {kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {kFailNav1, 0, 0}, {0, 0, 0}};
constexpr FAILURE_RECORD nav2_failures[] = {
    {kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {kFailNav2, 0, 0}, {0, 0, 0}};

constexpr HIGHLIGHT com_highlights[] = {{4, 0, 2}, {5, 4, 5}, {0, 0, 0}};
constexpr HIGHLIGHT nav_highlights[] = {{1, 0, 2}, {1, 4, 5}, {0, 0, 0}};

constexpr uint32_t kAmber = rgb(255, 219, 46);
constexpr uint32_t kWhite = rgb(255, 255, 255);

// A frequency window: amber text in a 232x60 box, six characters at most.
constexpr ELEMENT_STRING frequency_window(GAUGEHDR* gauge, PIXPOINT position, uint32_t token,
                                          const FAILURE_RECORD* failures, const HIGHLIGHT* highlights,
                                          StringCallback callback) {
    return display_string(gauge, {.position = position, .size = {232, 60}, .image_flags = 0x7, .failures = failures,
                                  .tokens = {token, 0, 0}, .foreground = kAmber, .highlight = kWhite, .max_length = 6,
                                  .highlights = highlights, .callback = callback});
}

// The VOL/OFF knob: two icons, 259 at OFF and 260 at VOL.
constexpr ELEMENT_ICON power_knob(GAUGEHDR* gauge, IconCallback callback) {
    return icon(gauge, kBmpPowerKnobOff, 2, {45, 165}, 0x4001, nullptr, 0, callback);
}

constexpr ELEMENT_STATIC_IMAGE radio_face(GAUGEHDR* gauge, int32_t bitmap, ELEMENT_HEADER** children) {
    return static_image(gauge, bitmap, {0, 0}, 0x1, children);
}

constexpr MOUSERECT power_half(MOUSE_BOX box, int32_t cursor, MouseHandler handler) {
    return mouse_handler(box, cursor, kClick, handler);
}

constexpr MOUSERECT knob_area(MOUSE_BOX box, int32_t cursor, uint32_t event_id) {
    return mouse_event(box, cursor, kStep, event_id);
}

// A tuning knob's four areas inside its parent: whole down/up, fraction down/up.
constexpr MOUSE_BOX kWholeDown = {0, 0, 60, 79};
constexpr MOUSE_BOX kWholeUp = {61, 0, 60, 79};
constexpr MOUSE_BOX kFractDown = {140, 0, 29, 79};
constexpr MOUSE_BOX kFractUp = {170, 0, 29, 79};

}  // namespace

// ===========================================================================
// "RadioComNav1"

namespace {

ELEMENT_STRING comnav1_com_text = frequency_window(&comnav1_gauge, {88, 40}, kCom1Frequency, com1_failures,
                                                   com_highlights, comnav1_frequency_text);
ELEMENT_STRING comnav1_nav_text = frequency_window(&comnav1_gauge, {330, 40}, kNav1Frequency, nav1_failures,
                                                   nav_highlights, comnav1_frequency_text);
ELEMENT_ICON comnav1_power_knob = power_knob(&comnav1_gauge, comnav1_power_icon);

ELEMENT_HEADER* comnav1_face_children[] = {&comnav1_power_knob.header, &comnav1_com_text.header,
                                           &comnav1_nav_text.header, nullptr};
ELEMENT_STATIC_IMAGE comnav1_face = radio_face(&comnav1_gauge, kBmpComNav1Face, comnav1_face_children);
ELEMENT_HEADER* comnav1_elements[] = {&comnav1_face.header, nullptr};

MOUSERECT comnav1_mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    power_half({45, 165, 30, 60}, kCursorDown, comnav1_power_off),
    power_half({80, 165, 30, 60}, kCursorUp, comnav1_power_on),
    mouse_parent({80, 90, 220, 80}, kHelpCom1Knob),
    knob_area(kWholeDown, kCursorDown, kEventCom1WholeDec),
    knob_area(kWholeUp, kCursorUp, kEventCom1WholeInc),
    knob_area(kFractDown, kCursorDown, kEventCom1FractDec),
    knob_area(kFractUp, kCursorUp, kEventCom1FractInc),
    mouse_end_parent(),
    mouse_parent({325, 90, 220, 80}, kHelpNav1Knob),
    knob_area(kWholeDown, kCursorDown, kEventNav1WholeDec),
    knob_area(kWholeUp, kCursorUp, kEventNav1WholeInc),
    knob_area(kFractDown, kCursorDown, kEventNav1FractDec),
    knob_area(kFractUp, kCursorUp, kEventNav1FractInc),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR comnav1_gauge = gauge_header("RadioComNav1", comnav1_elements, 200, comnav1_mouse);

// ===========================================================================
// "RadioComNav2"

namespace {

ELEMENT_STRING comnav2_com_text = frequency_window(&comnav2_gauge, {88, 40}, kCom2Frequency, com1_failures,
                                                   com_highlights, comnav2_frequency_text);
ELEMENT_STRING comnav2_nav_text = frequency_window(&comnav2_gauge, {330, 40}, kNav2Frequency, nav2_failures,
                                                   nav_highlights, comnav2_frequency_text);
ELEMENT_ICON comnav2_power_knob = power_knob(&comnav2_gauge, comnav2_power_icon);

ELEMENT_HEADER* comnav2_face_children[] = {&comnav2_power_knob.header, &comnav2_com_text.header,
                                           &comnav2_nav_text.header, nullptr};
ELEMENT_STATIC_IMAGE comnav2_face = radio_face(&comnav2_gauge, kBmpComNav2Face, comnav2_face_children);
ELEMENT_HEADER* comnav2_elements[] = {&comnav2_face.header, nullptr};

MOUSERECT comnav2_mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    power_half({45, 165, 30, 60}, kCursorDown, comnav2_power_off),
    power_half({80, 165, 30, 60}, kCursorUp, comnav2_power_on),
    mouse_parent({80, 90, 220, 80}, kHelpCom2Knob),
    knob_area(kWholeDown, kCursorDown, kEventCom2WholeDec),
    knob_area(kWholeUp, kCursorUp, kEventCom2WholeInc),
    knob_area(kFractDown, kCursorDown, kEventCom2FractDec),
    knob_area(kFractUp, kCursorUp, kEventCom2FractInc),
    mouse_end_parent(),
    mouse_parent({325, 90, 220, 80}, kHelpNav2Knob),
    knob_area(kWholeDown, kCursorDown, kEventNav2WholeDec),
    knob_area(kWholeUp, kCursorUp, kEventNav2WholeInc),
    knob_area(kFractDown, kCursorDown, kEventNav2FractDec),
    knob_area(kFractUp, kCursorUp, kEventNav2FractInc),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR comnav2_gauge = gauge_header("RadioComNav2", comnav2_elements, 200, comnav2_mouse);

}  // namespace radios

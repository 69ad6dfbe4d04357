// The ADF receiver's control head, "RadioAdf".
//
// The frequency lives in the host: the window shows it with one decimal
// place and four areas over its digits step it through the host's key events.
// The OFF/VOL knob is the receiver's own, as on the COM/NAV radios: while it
// is at OFF the window is blank.
#include "modules/radios/bitmaps.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "framework/text_format.h"

namespace radios {
namespace {

// Host variables: the four whole digits in binary-coded decimal (thousands in
// bits 12 to 15), the tenths digit in the low 4 bits of the second, and a
// third the window declares but does not show.
constexpr uint32_t kAdfFrequency = 16;
constexpr uint32_t kAdfTenths = 18;
constexpr uint32_t kAdfExtended = 17;

// Key events of the digit areas: each steps its digit up.
constexpr uint32_t kEventHundredsInc = 65648;
constexpr uint32_t kEventTensInc = 65649;
constexpr uint32_t kEventUnitsInc = 65650;
constexpr uint32_t kEventTenthsInc = 66453;

// Help text over the frequency window.
constexpr uint32_t kHelpAdfFrequency = 42761;

// Failures: electrics (20, 21) blank the window; the receiver's own (5) freezes it.
constexpr uint32_t kFailAdf = 5;

// ---------------------------------------------------------------------------
// Module-level state: the OFF/VOL knob, 0 at OFF, 1 on.

int8_t adf_power = 0;

// ---------------------------------------------------------------------------
// Callbacks

// "%d%d%d%d.%d" from the four whole digits and the tenths while the receiver
// is on (0x0350 and 0 show "0350.0"), the empty text while it is off; the
// element's value is the whole frequency.
double GAUGE_CALL frequency_text(ELEMENT_STRING* element) {
    int32_t v = element->source[0].value.integer;
    int32_t t = element->source[1].value.integer;
    if (adf_power == 1) {
        format_text(element, "%d%d%d%d.%d", (v >> 12) & 15, (v >> 8) & 15, (v >> 4) & 15, v & 15, t & 15);
    } else {
        clear_text(element);
    }
    return static_cast<double>(static_cast<uint32_t>(v));
}

double GAUGE_CALL power_icon(ELEMENT_ICON*) { return adf_power; }

int32_t GAUGE_CALL power_off(int32_t, int32_t, uint32_t) {
    adf_power = 0;
    return 0;
}

int32_t GAUGE_CALL power_on(int32_t, int32_t, uint32_t) {
    adf_power = 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Records

constexpr FAILURE_RECORD adf_failures[] = {
    {kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {kFailAdf, 0, 0}, {0, 0, 0}};

// Selections 19, 20 and 21 light the first two characters, the third and the fourth.
constexpr HIGHLIGHT adf_highlights[] = {{19, 0, 1}, {20, 2, 2}, {21, 3, 3}, {0, 0, 0}};

constexpr uint32_t kOrange = rgb(208, 96, 0);
constexpr uint32_t kWhite = rgb(255, 255, 255);

constexpr MOUSERECT digit_area(MOUSE_BOX box, int32_t cursor, uint32_t event_id) {
    return mouse_event(box, cursor, kStep, event_id);
}

// ===========================================================================
// "RadioAdf"

ELEMENT_ICON power_knob = icon(&adf_gauge, kBmpAdfKnobOff, 2, {350, 59}, 0x4001, nullptr, 0, power_icon);
ELEMENT_STRING frequency_window = display_string(
    &adf_gauge, {.position = {160, 13}, .size = {96, 40}, .image_flags = 0x7, .failures = adf_failures,
                 .tokens = {kAdfFrequency, kAdfTenths, kAdfExtended}, .foreground = kOrange, .highlight = kWhite,
                 .max_length = 6, .highlights = adf_highlights, .callback = frequency_text});

ELEMENT_HEADER* face_children[] = {&power_knob.header, &frequency_window.header, nullptr};
ELEMENT_STATIC_IMAGE face = static_image(&adf_gauge, kBmpAdfFace, {0, 0}, 0x1, face_children);
ELEMENT_HEADER* elements[] = {&face.header, nullptr};

// The window's parent starts at the string's own position: its areas cover
// the second, third, fourth and sixth 16-pixel column of the text box.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    mouse_handler({350, 59, 20, 50}, kCursorDown, kClick, power_off),
    mouse_handler({380, 59, 50, 50}, kCursorUp, kClick, power_on),
    mouse_parent({160, 13, 200, 100}, kHelpAdfFrequency),
    digit_area({16, 0, 15, 44}, kCursorUp, kEventHundredsInc),
    digit_area({32, 0, 15, 44}, kCursorUp, kEventTensInc),
    digit_area({48, 0, 15, 44}, kCursorUp, kEventUnitsInc),
    digit_area({80, 0, 15, 44}, kCursorHand, kEventTenthsInc),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR adf_gauge = gauge_header("RadioAdf", elements, 200, mouse);

}  // namespace radios

// The DME, "RadioDME".
//
// The host keeps the distance and ground speed of both NAV receivers all the
// time; the DME shows one receiver's pair, picked by its R1/R2 selector, and
// blanks itself while its power switch is off. Switch and selector are the
// DME's own; it sends no events.
#include "modules/radios/bitmaps.h"
#include "modules/radios/convert.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "framework/text_format.h"

namespace radios {
namespace {

// Host variables (floats): distance in nautical miles (-1 when there is none)
// and ground speed in knots for each receiver, and a third that both strings
// declare but do not show.
constexpr uint32_t kDme1Distance = 31;
constexpr uint32_t kDme2Distance = 35;
constexpr uint32_t kDme1Speed = 32;
constexpr uint32_t kDme2Speed = 36;
constexpr uint32_t kDmeTime = 355;

// Help texts: the whole DME, and the receiver selector.
constexpr uint32_t kHelpDme = 42756;
constexpr uint32_t kHelpDmeSelector = 42760;

// Failures: electrics (20, 21) blank the readouts; the DME's own (13) freezes them.
constexpr uint32_t kFailDme = 13;

// The host's distance when it has none.
constexpr double kNoDistance = -1.0;
// Ground speeds shown: 1 to 649 knots; anything else shows dashes.
constexpr int32_t kTopSpeed = 650;

// ---------------------------------------------------------------------------
// Module-level state: the power switch (0 OFF, 1 on) and the receiver
// selector (0 R1, 1 R2).

int8_t dme_power = 0;
int8_t dme_source = 0;

// ---------------------------------------------------------------------------
// Callbacks

// The selected receiver's distance as whole miles and tenths, " 12.3 NM";
// "---.- NM" when the host has none. The element's value is R1's distance.
double GAUGE_CALL distance_text(ELEMENT_STRING* element) {
    double d1 = element->source[0].value.number;
    double d2 = element->source[1].value.number;
    if (dme_power == 0) {
        clear_text(element);
        return d1;
    }
    double d = dme_source == 0 ? d1 : d2;
    if (d == kNoDistance) {
        format_text(element, "---.- NM");
    } else {
        int32_t whole = truncate_to_int32(d);
        int32_t tenths = truncate_to_int32((d - whole) * 10);
        format_text(element, "%3d.%1d NM", whole, tenths);
    }
    return d1;
}

// A speed truncated toward zero, its low 16 bits read unsigned.
int32_t speed_bits(double knots) { return static_cast<int32_t>(truncate_to_int64(knots) & 0xFFFF); }

// The selected receiver's ground speed, " 118 KT"; "---- KT" for 0 and for
// 650 and above (negative speeds read as 65535 or near it). The element's
// value is R1's speed as read.
double GAUGE_CALL speed_text(ELEMENT_STRING* element) {
    int32_t a1 = speed_bits(element->source[0].value.number);
    int32_t a2 = speed_bits(element->source[1].value.number);
    if (dme_power == 0) {
        clear_text(element);
        return a1;
    }
    int32_t a = dme_source == 0 ? a1 : a2;
    if (a > 0 && a < kTopSpeed) {
        format_text(element, "%4d KT", a);
    } else {
        format_text(element, "---- KT");
    }
    return a1;
}

double GAUGE_CALL power_icon(ELEMENT_ICON*) { return dme_power; }
double GAUGE_CALL selector_icon(ELEMENT_ICON*) { return dme_source; }

int32_t GAUGE_CALL power_off(int32_t, int32_t, uint32_t) {
    dme_power = 0;
    return 0;
}

int32_t GAUGE_CALL power_on(int32_t, int32_t, uint32_t) {
    dme_power = 1;
    return 0;
}

// The selector toggles whatever the power state.
int32_t GAUGE_CALL toggle_selector(int32_t, int32_t, uint32_t) {
    dme_source = static_cast<int8_t>(1 - dme_source);
    return 0;
}

// ---------------------------------------------------------------------------
// Records

constexpr FAILURE_RECORD dme_failures[] = {
    {kFailElectrical, 3, 0}, {kFailAvionics, 3, 0}, {kFailDme, 0, 0}, {0, 0, 0}};

constexpr uint32_t kOrange = rgb(208, 96, 0);
constexpr uint32_t kWhite = rgb(255, 255, 255);

// ===========================================================================
// "RadioDME"
//
// The speed readout hangs under the distance readout, and that under the
// receiver selector.

ELEMENT_STRING speed_readout = display_string(
    &dme_gauge, {.position = {10, 25}, .size = {126, 35}, .image_flags = 0x7, .failures = dme_failures,
                 .tokens = {kDme1Speed, kDme2Speed, kDmeTime}, .foreground = kOrange, .highlight = kWhite,
                 .max_length = 7, .highlights = nullptr, .callback = speed_text});
ELEMENT_HEADER* distance_children[] = {&speed_readout.header, nullptr};
ELEMENT_STRING distance_readout = display_string(
    &dme_gauge, {.position = {160, 25}, .size = {144, 35}, .image_flags = 0x7, .failures = dme_failures,
                 .tokens = {kDme1Distance, kDme2Distance, kDmeTime}, .foreground = kOrange, .highlight = kWhite,
                 .max_length = 8, .highlights = nullptr, .callback = distance_text,
                 .children = distance_children});
ELEMENT_HEADER* selector_children[] = {&distance_readout.header, nullptr};

ELEMENT_ICON power_switch = icon(&dme_gauge, kBmpDmePowerOff, 2, {285, 78}, 0x4001, nullptr, 0, power_icon);
ELEMENT_ICON selector = icon(&dme_gauge, kBmpDmeSelectorR1, 2, {389, 42}, 0x4001, nullptr, 0, selector_icon,
                             selector_children);

ELEMENT_HEADER* face_children[] = {&power_switch.header, &selector.header, nullptr};
ELEMENT_STATIC_IMAGE face = static_image(&dme_gauge, kBmpDmeFace, {0, 0}, 0x1, face_children);
ELEMENT_HEADER* elements[] = {&face.header, nullptr};

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, kHelpDme),
    mouse_handler({290, 78, 20, 60}, kCursorDown, kClick, power_off),
    mouse_handler({315, 78, 20, 60}, kCursorUp, kClick, power_on),
    mouse_parent({366, 30, 50, 60}, kHelpDmeSelector),
    mouse_handler({0, 0, 50, 60}, kCursorHand, kClick, toggle_selector),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR dme_gauge = gauge_header("RadioDME", elements, 200, mouse);

}  // namespace radios

// The transponder, "RadioTrans".
//
// Four code drums show the host's transponder code and four small knobs step
// its digits through the host's key events. The five-position mode knob (OFF,
// SBY, ON, ALT, TST) and the reply lamp are the radio's own; the host is never
// told the mode. The lamp blinks at ON and ALT and stays lit at TST, and the
// knob springs back from TST to ALT by itself. Both timers count the host's
// ticks.
#include "modules/radios/bitmaps.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"
#include "modules/radios/ticks.h"

namespace radios {
namespace {

// Host variable: the code, four binary-coded decimal digits, thousands in bits 12 to 15.
constexpr uint32_t kTransponderCode = 38;

// Key events of the code knobs: each steps its digit up.
constexpr uint32_t kEventThousandsInc = 65651;
constexpr uint32_t kEventHundredsInc = 65652;
constexpr uint32_t kEventTensInc = 65653;
constexpr uint32_t kEventUnitsInc = 65654;

// Help text over the whole transponder.
constexpr uint32_t kHelpTransponder = 42762;

// Failures of the upper three drums and the lamp: the avionics bus (21) zeroes
// them, the transponder's own (17) freezes them.
constexpr uint32_t kFailTransponder = 17;

// Positions of the mode knob.
constexpr int8_t kModeOff = 0;
constexpr int8_t kModeStandby = 1;
constexpr int8_t kModeAlt = 3;
constexpr int8_t kModeTest = 4;

// Values of the reply lamp icon.
constexpr int8_t kLampLit = 0;
constexpr int8_t kLampDark = -1;

// A timer start that is not running.
constexpr int32_t kTimerStopped = -1;

// The blink cycle: lit while the elapsed count is 24 or less, restarted when it is 80.
constexpr int32_t kLampLitTicks = 24;
constexpr int32_t kBlinkCycleTicks = 80;
// The knob stays at TST until the elapsed count is 24.
constexpr int32_t kTestTicks = 24;

// ---------------------------------------------------------------------------
// Module-level state

int8_t transponder_mode = kModeOff;
int8_t reply_light = kLampDark;
int32_t test_timer_start = kTimerStopped;
int32_t blink_timer_start = kTimerStopped;

// ---------------------------------------------------------------------------
// Callbacks

// Each drum shows one digit of the code as it is; the drum's travel holds a
// digit above 9 at 9.
double code_digit(ELEMENT_MOVING_IMAGE* element, int shift) {
    int32_t v = element->y.source.value.integer;
    return (v >> shift) & 15;
}

double GAUGE_CALL units_digit(ELEMENT_MOVING_IMAGE* element) { return code_digit(element, 0); }
double GAUGE_CALL tens_digit(ELEMENT_MOVING_IMAGE* element) { return code_digit(element, 4); }
double GAUGE_CALL hundreds_digit(ELEMENT_MOVING_IMAGE* element) { return code_digit(element, 8); }
double GAUGE_CALL thousands_digit(ELEMENT_MOVING_IMAGE* element) { return code_digit(element, 12); }

// Lit at TST; dark at OFF and SBY; at ON and ALT lit for the first 25 ticks of
// each cycle and dark after, the cycle restarting when its count equals 80.
double GAUGE_CALL reply_lamp(ELEMENT_ICON*) {
    if (transponder_mode == kModeTest) {
        reply_light = kLampLit;
    } else if (transponder_mode <= kModeStandby) {
        blink_timer_start = kTimerStopped;
        reply_light = kLampDark;
    } else {
        double ticks = tick_count();
        if (blink_timer_start == kTimerStopped) blink_timer_start = timer_start(ticks);
        int32_t elapsed = elapsed_ticks(ticks, blink_timer_start);
        if (elapsed == kBlinkCycleTicks) blink_timer_start = kTimerStopped;
        reply_light = elapsed <= kLampLitTicks ? kLampLit : kLampDark;
    }
    return reply_light;
}

// The knob's position; at TST it springs back to ALT when the count since TST
// was entered equals 24, stopping both timers.
double GAUGE_CALL mode_knob(ELEMENT_ICON*) {
    if (transponder_mode < kModeTest) return transponder_mode;
    double ticks = tick_count();
    if (transponder_mode == kModeTest && test_timer_start == kTimerStopped) test_timer_start = timer_start(ticks);
    if (elapsed_ticks(ticks, test_timer_start) == kTestTicks) {
        transponder_mode = kModeAlt;
        test_timer_start = kTimerStopped;
        blink_timer_start = kTimerStopped;
    }
    return transponder_mode;
}

int32_t GAUGE_CALL mode_down(int32_t, int32_t, uint32_t) {
    if (transponder_mode > kModeOff) --transponder_mode;
    return 0;
}

int32_t GAUGE_CALL mode_up(int32_t, int32_t, uint32_t) {
    if (transponder_mode < kModeTest) ++transponder_mode;
    return 0;
}

// ---------------------------------------------------------------------------
// Records

constexpr FAILURE_RECORD transponder_failures[] = {
    {kFailAvionics, 1, 0}, {kFailTransponder, 0, 0}, {0, 0, 0}};

// A code drum: the digit strip 289 seen through its window 290, travelling on
// y from 0 to 9 with the code; the x axis does not move.
constexpr ELEMENT_MOVING_IMAGE code_drum(PIXPOINT position, const FAILURE_RECORD* failures,
                                         MovingImageCallback callback, ELEMENT_HEADER** children) {
    return ELEMENT_MOVING_IMAGE{
        .header = element(kElementMovingImage, kBmpCodeDrumStrip, position, &transponder_gauge, 0x3, failures,
                          children),
        .x = {.source = module_var(0), .host_before = 0, .minimum = 0, .maximum = 0, .host_after = 0},
        .y = {.source = module_var(kTransponderCode), .host_before = 0, .minimum = 0, .maximum = 9, .host_after = 0},
        .host_offset = {},
        .callback_x = nullptr,
        .callback_y = callback,
    };
}

constexpr MOUSERECT code_knob(MOUSE_BOX box, uint32_t event_id) {
    return mouse_event(box, kCursorUp, kStep, event_id);
}

// ===========================================================================
// "RadioTrans"
//
// The drums hang in a chain from the face, units first, each the next one's
// parent; the lamp and the mode knob follow them on the face.

ELEMENT_MOVING_IMAGE thousands_drum = code_drum({130, 14}, transponder_failures, thousands_digit, nullptr);
ELEMENT_HEADER* hundreds_drum_children[] = {&thousands_drum.header, nullptr};
ELEMENT_MOVING_IMAGE hundreds_drum = code_drum({188, 14}, transponder_failures, hundreds_digit,
                                               hundreds_drum_children);
ELEMENT_HEADER* tens_drum_children[] = {&hundreds_drum.header, nullptr};
ELEMENT_MOVING_IMAGE tens_drum = code_drum({246, 14}, transponder_failures, tens_digit, tens_drum_children);
ELEMENT_HEADER* units_drum_children[] = {&tens_drum.header, nullptr};
ELEMENT_MOVING_IMAGE units_drum = code_drum({304, 14}, nullptr, units_digit, units_drum_children);

ELEMENT_ICON reply_lamp_icon =
    icon(&transponder_gauge, kBmpReplyLamp, 1, {79, 22}, 0x7, transponder_failures, 0, reply_lamp);
ELEMENT_ICON mode_knob_icon = icon(&transponder_gauge, kBmpModeKnobOff, 5, {10, 15}, 0x3, nullptr, 0, mode_knob);

ELEMENT_HEADER* face_children[] = {&units_drum.header, &reply_lamp_icon.header, &mode_knob_icon.header, nullptr};
ELEMENT_STATIC_IMAGE face = static_image(&transponder_gauge, kBmpTransponderFace, {0, 0}, 0x3, face_children);
ELEMENT_HEADER* elements[] = {&face.header, nullptr};

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, kHelpTransponder),
    mouse_handler({10, 15, 20, 50}, kCursorDown, kClick, mode_down),
    mouse_handler({30, 15, 30, 50}, kCursorUp, kClick, mode_up),
    code_knob({120, 30, 24, 24}, kEventThousandsInc),
    code_knob({178, 30, 24, 24}, kEventHundredsInc),
    code_knob({236, 30, 24, 24}, kEventTensInc),
    code_knob({294, 30, 24, 24}, kEventUnitsInc),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR transponder_gauge = gauge_header("RadioTrans", elements, 200, mouse);

}  // namespace radios

// The audio selector panel, "AudioPanel".
//
// Three marker-beacon lamps (O, M, A) and seven receiver audio switches
// (COM 1, COM 2, NAV 1, NAV 2, DME, MKR, ADF). The panel keeps nothing of
// its own: a click on a switch sends the host's key event, and every switch
// picture and lamp shows a host variable.
#include "modules/radios/bitmaps.h"
#include "modules/radios/gauges.h"
#include "modules/radios/records.h"

namespace radios {
namespace {

// Host variables, all floats. The marker beacon received: 0 none, 1 outer
// (O lamp), 2 middle (M), 3 inner (A). The audio switches: 1 on, 0 off.
constexpr uint32_t kMarkerBeacon = 354;
constexpr uint32_t kAudioCom1 = 874;
constexpr uint32_t kAudioCom2 = 875;
constexpr uint32_t kAudioNav1 = 877;
constexpr uint32_t kAudioNav2 = 878;
constexpr uint32_t kAudioDme = 879;
constexpr uint32_t kAudioAdf = 880;
constexpr uint32_t kAudioMarker = 881;

// Key events: each switches one receiver's audio on or off.
constexpr uint32_t kEventAudioNav1 = 65842;
constexpr uint32_t kEventAudioNav2 = 65843;
constexpr uint32_t kEventAudioDme = 65844;
constexpr uint32_t kEventAudioAdf = 65846;
constexpr uint32_t kEventAudioCom1 = 66463;
constexpr uint32_t kEventAudioCom2 = 66464;
constexpr uint32_t kEventAudioMarker = 66477;

// Help texts over the three marker lamps.
constexpr uint32_t kHelpMarkerOuter = 43847;
constexpr uint32_t kHelpMarkerMiddle = 43848;
constexpr uint32_t kHelpMarkerInner = 43849;

// ---------------------------------------------------------------------------
// Callbacks

// The variable minus 1: a switch shows (icon 0) while its audio is on and
// not at all while it is off; the marker lamps show the O, M or A lamp lit
// for 1, 2 or 3 and nothing for 0.
double GAUGE_CALL audio_icon(ELEMENT_ICON* element) { return element->source.value.number - 1; }

// ---------------------------------------------------------------------------
// Records

// Failures: the electrics and the avionics bus take the lamps and switches away.
constexpr FAILURE_RECORD audio_failures[] = {{kFailElectrical, 2, 0}, {kFailAvionics, 2, 0}, {0, 0, 0}};

// An audio switch in the up position, shown while its variable is 1.
constexpr ELEMENT_ICON audio_switch(PIXPOINT position, uint32_t token) {
    return icon(&audio_gauge, kBmpAudioSwitchUp, 1, position, 0x7, audio_failures, token, audio_icon);
}

constexpr MOUSERECT switch_press(MOUSE_BOX box, uint32_t event_id) {
    return mouse_event(box, kCursorHand, kClick, event_id);
}

// A switch's click area, 9x20 at the switch's place.
constexpr MOUSE_BOX switch_area(int32_t x) { return {x, 20, 9, 20}; }

// Places of the switches along the row.
constexpr int32_t kCom1X = 122;
constexpr int32_t kCom2X = 154;
constexpr int32_t kNav1X = 186;
constexpr int32_t kNav2X = 218;
constexpr int32_t kDmeX = 249;
constexpr int32_t kMarkerX = 281;
constexpr int32_t kAdfX = 313;

}  // namespace

// ===========================================================================
// "AudioPanel"

namespace {

ELEMENT_ICON audio_marker_lamps =
    icon(&audio_gauge, kBmpMarkerOuterLit, 3, {19, 18}, 0x7, audio_failures, kMarkerBeacon, audio_icon);
ELEMENT_ICON audio_com1_switch = audio_switch({kCom1X, 20}, kAudioCom1);
ELEMENT_ICON audio_com2_switch = audio_switch({kCom2X, 20}, kAudioCom2);
ELEMENT_ICON audio_nav1_switch = audio_switch({kNav1X, 20}, kAudioNav1);
ELEMENT_ICON audio_nav2_switch = audio_switch({kNav2X, 20}, kAudioNav2);
ELEMENT_ICON audio_dme_switch = audio_switch({kDmeX, 20}, kAudioDme);
ELEMENT_ICON audio_adf_switch = audio_switch({kAdfX, 20}, kAudioAdf);
ELEMENT_ICON audio_marker_switch = audio_switch({kMarkerX, 20}, kAudioMarker);

ELEMENT_HEADER* audio_face_children[] = {
    &audio_marker_lamps.header, &audio_com1_switch.header, &audio_com2_switch.header,   &audio_nav1_switch.header,
    &audio_nav2_switch.header,  &audio_dme_switch.header,  &audio_adf_switch.header,    &audio_marker_switch.header,
    nullptr};
ELEMENT_STATIC_IMAGE audio_face = static_image(&audio_gauge, kBmpAudioFace, {0, 0}, 0x1, audio_face_children);
ELEMENT_HEADER* audio_elements[] = {&audio_face.header, nullptr};

MOUSERECT audio_mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0),
    switch_press(switch_area(kCom1X), kEventAudioCom1),
    // The MKR switch's area is 16 pixels high where the others are 20.
    switch_press({kMarkerX, 20, 9, 16}, kEventAudioMarker),
    switch_press(switch_area(kCom2X), kEventAudioCom2),
    switch_press(switch_area(kNav1X), kEventAudioNav1),
    switch_press(switch_area(kNav2X), kEventAudioNav2),
    switch_press(switch_area(kDmeX), kEventAudioDme),
    switch_press(switch_area(kAdfX), kEventAudioAdf),
    // Help texts alone over the lamps, from the top: A, O, M.
    mouse_parent({19, 18, 14, 18}, kHelpMarkerInner),
    mouse_end_parent(),
    mouse_parent({19, 37, 14, 18}, kHelpMarkerOuter),
    mouse_end_parent(),
    mouse_parent({19, 58, 14, 18}, kHelpMarkerMiddle),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR audio_gauge = gauge_header("AudioPanel", audio_elements, 190, audio_mouse);

}  // namespace radios

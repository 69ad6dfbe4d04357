// The autopilot: master and mode switches, the altitude and vertical-speed
// settings, and the heading bug.
#include <algorithm>
#include <cmath>

#include "host/systems/events.h"
#include "host/tokens.h"

namespace panel::systems {
namespace {

constexpr double kAltitudeStep = 100, kAltitudeLow = 0, kAltitudeHigh = 50000;
constexpr double kVerticalSpeedStep = 100, kVerticalSpeedLimit = 9900;

// A setting stepped in its unit, held within its range.
template <uint32_t Token, int Direction>
void step_setting(Variables& vars, uint32_t) {
    bool altitude = Token == kTokenApAltitude;
    double step = altitude ? kAltitudeStep : kVerticalSpeedStep;
    double low = altitude ? kAltitudeLow : -kVerticalSpeedLimit;
    double high = altitude ? kAltitudeHigh : kVerticalSpeedLimit;
    vars.set(Token, std::clamp(vars.get(Token) + Direction * step, low, high));
}

// The heading bug turns one degree a click, round the compass.
template <int Direction>
void heading_bug(Variables& vars, uint32_t) {
    double heading = std::fmod(vars.get(kTokenHeadingBug) + Direction, 360.0);
    vars.set(kTokenHeadingBug, heading < 0 ? heading + 360.0 : heading);
}

constexpr KeyEventInfo kEvents[] = {
    {kEventApMaster, "autopilot on/off", toggle<kTokenApMaster>},
    {kEventApHeadingHold, "autopilot HDG mode on/off", toggle<kTokenApHeadingHold>},
    {kEventApNavHold, "autopilot NAV mode on/off", toggle<kTokenApNavHold>},
    {kEventApApproach, "autopilot APR mode on/off", toggle<kTokenApApproach>},
    {kEventApBackCourse, "autopilot back-course mode on/off", toggle<kTokenApBackCourse>},
    {kEventApAltitudeHold, "autopilot altitude hold on/off", toggle<kTokenApAltitudeHold>},
    {kEventApAltitudeInc, "autopilot altitude up 100 ft", step_setting<kTokenApAltitude, +1>},
    {kEventApAltitudeDec, "autopilot altitude down 100 ft", step_setting<kTokenApAltitude, -1>},
    {kEventApVerticalSpeedInc, "autopilot vertical speed up 100 ft/min", step_setting<kTokenApVerticalSpeed, +1>},
    {kEventApVerticalSpeedDec, "autopilot vertical speed down 100 ft/min", step_setting<kTokenApVerticalSpeed, -1>},
    {kEventHeadingBugInc, "heading bug right", heading_bug<+1>},
    {kEventHeadingBugDec, "heading bug left", heading_bug<-1>},
};

}  // namespace

std::span<const KeyEventInfo> autopilot_events() { return kEvents; }

}  // namespace panel::systems

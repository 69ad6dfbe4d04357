// The systems model: radio tuning in binary-coded decimal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/systems.h"
#include "host/tokens.h"

using namespace panel;

namespace {

TEST(Tuning, StepsAndWrapsLikeARealRadio) {
    struct Case {
        uint32_t event;
        int32_t before, after;
    } cases[] = {
        {kEventCom1WholeInc, 0x2345, 0x2445},   // 123.45 -> 124.45
        {kEventCom1WholeInc, 0x3695, 0x1895},   // 136.95 wraps to 118.95
        {kEventCom1WholeDec, 0x1800, 0x3600},   // 118.00 wraps to 136.00
        {kEventCom1FractInc, 0x2390, 0x2395},
        {kEventCom1FractInc, 0x2395, 0x2300},   // the fraction wraps and keeps the megahertz
        {kEventCom1FractDec, 0x2300, 0x2395},
        {kEventCom1FractInc, 0x2347, 0x2350},   // off the 0.05 raster: to the next point up
        {kEventCom1FractDec, 0x2347, 0x2345},   // ... or down
        {kEventNav1WholeInc, 0x1795, 0x0895},   // 117.95 wraps to 108.95
        {kEventNav1WholeDec, 0x0810, 0x1710},
        {kEventNav1FractDec, 0x1000, 0x1095},
        {kEventCom1WholeInc, 0x0000, 0x1900},   // below the band: held at 118, then up
        {kEventCom2FractInc, 0x1830, 0x1835},   // COM 2's fraction up is 66440
        {kEventNav2WholeDec, 0x1130, 0x1030},
    };
    for (const Case& c : cases) {
        const KeyEventInfo* info = find_key_event(c.event);
        ASSERT_NE(info, nullptr) << c.event;
        Variables vars;
        uint32_t token = c.event == kEventCom2FractInc ? kTokenCom2Frequency
                         : c.event == kEventNav2WholeDec ? kTokenNav2Frequency
                         : (c.event >= kEventNav1WholeDec && c.event <= kEventNav1FractInc) ? kTokenNav1Frequency
                                                                                            : kTokenCom1Frequency;
        vars.set(token, c.before);
        EXPECT_TRUE(apply_key_event(vars, c.event, 0));
        EXPECT_EQ(vars.get_integer(token), c.after)
            << info->name << " from " << std::hex << c.before << " gave " << vars.get_integer(token);
    }
}

// Every event of the panel does something a pilot can see, and changes one
// variable only: a knob or switch acts on its own system.
TEST(Systems, EveryEventChangesExactlyOneVariable) {
    for (const KeyEventInfo& e : key_event_table()) {
        Variables vars;
        const Variables before;
        apply_key_event(vars, e.id, 0);
        std::vector<std::string> changed;
        for (const VariableInfo& v : variable_catalogue()) {
            if (vars.get(v.token) != before.get(v.token)) changed.push_back(v.name);
        }
        EXPECT_EQ(changed.size(), 1u) << e.name;
    }
    Variables vars;
    EXPECT_FALSE(apply_key_event(vars, 66439, 0));  // not an event of this panel
}

TEST(Systems, StackEventsStepAndWrap) {
    struct Case {
        uint32_t event;
        uint32_t token;
        double before, after;
    } cases[] = {
        {kEventTransponderUnitsInc, kTokenTransponderCode, 0x1207, 0x1200},      // octal digits: 7 wraps to 0
        {kEventTransponderThousandsInc, kTokenTransponderCode, 0x7000, 0x0000},
        {kEventTransponderTensInc, kTokenTransponderCode, 0x1234, 0x1244},
        {kEventAdfHundredsInc, kTokenAdfFrequency, 0x0350, 0x0450},
        {kEventAdfHundredsInc, kTokenAdfFrequency, 0x0950, 0x1050},              // carries into the thousands
        {kEventAdfHundredsInc, kTokenAdfFrequency, 0x1750, 0x0150},              // 1799 kHz is the top of the band
        {kEventAdfTensInc, kTokenAdfFrequency, 0x0390, 0x0300},
        {kEventAdfUnitsInc, kTokenAdfFrequency, 0x0359, 0x0350},
        {kEventAdfTenthsInc, kTokenAdfTenths, 9, 0},
        {kEventApAltitudeInc, kTokenApAltitude, 3000, 3100},
        {kEventApAltitudeDec, kTokenApAltitude, 0, 0},
        {kEventApVerticalSpeedDec, kTokenApVerticalSpeed, -900, -1000},
        {kEventApVerticalSpeedInc, kTokenApVerticalSpeed, 9900, 9900},
        {kEventHeadingBugDec, kTokenHeadingBug, 0, 359},
        {kEventHeadingBugInc, kTokenHeadingBug, 359, 0},
        {kEventApMaster, kTokenApMaster, 0, 1},
        {kEventApHeadingHold, kTokenApHeadingHold, 1, 0},
        {kEventAudioMarker, kTokenAudioMarker, 1, 0},
    };
    for (const Case& c : cases) {
        Variables vars;
        vars.set(c.token, c.before);
        apply_key_event(vars, c.event, 1);
        EXPECT_EQ(vars.get(c.token), c.after) << find_key_event(c.event)->name << " from " << c.before;
    }
}

TEST(Frequencies, ConvertBetweenDigitsAndHundredths) {
    EXPECT_EQ(bcd_frequency_to_hundredths(0x2345), 12345);
    EXPECT_EQ(hundredths_to_bcd_frequency(12345), 0x2345);
    EXPECT_EQ(hundredths_to_bcd_frequency(10800), 0x0800);
}

}  // namespace

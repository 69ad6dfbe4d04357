// The systems model: radio tuning in binary-coded decimal.
#include <gtest/gtest.h>

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

TEST(Tuning, EveryEventOfTheRadiosChangesItsOwnFrequencyOnly) {
    const uint32_t tokens[] = {kTokenCom1Frequency, kTokenNav1Frequency, kTokenCom2Frequency, kTokenNav2Frequency};
    for (const KeyEventInfo& e : key_event_table()) {
        Variables vars;
        Variables before;
        apply_key_event(vars, e.id, 0);
        int changed = 0;
        for (uint32_t t : tokens) changed += vars.get(t) != before.get(t);
        EXPECT_EQ(changed, 1) << e.name;
    }
    Variables vars;
    EXPECT_FALSE(apply_key_event(vars, 66439, 0));  // not a knob of this radio
}

TEST(Frequencies, ConvertBetweenDigitsAndHundredths) {
    EXPECT_EQ(bcd_frequency_to_hundredths(0x2345), 12345);
    EXPECT_EQ(hundredths_to_bcd_frequency(12345), 0x2345);
    EXPECT_EQ(hundredths_to_bcd_frequency(10800), 0x0800);
}

}  // namespace

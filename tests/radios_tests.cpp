// The COM/NAV radios through the host, beyond what the panel scripts show.
#include <gtest/gtest.h>

#include "host/panel_host.h"
#include "host/tokens.h"
#include "tests/test_support.h"

using namespace panel;

namespace {

TEST(ComNav, DigitsAboveNineAreCutToTheWindowsSixCharacters) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.load("Radios");
    GaugeState& radio = *host.gauge("Radios!RadioComNav1");
    host.press(radio, 95, 195);
    struct Case {
        int32_t bcd;
        const char* text;
    } cases[] = {{0x2345, "12345"}, {0xA345, "110345"}, {0xAB45, "110114"}, {0xFFFF, "115151"}};
    for (const Case& c : cases) {
        host.variables().set(kTokenCom1Frequency, c.bcd);
        host.update();
        EXPECT_EQ(radio.elements()[2].text, c.text) << std::hex << c.bcd;
        EXPECT_EQ(radio.elements()[2].value, static_cast<double>(c.bcd));
    }
}

TEST(ComNav, TheValueIsTheFrequencyReadUnsigned) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.load("Radios");
    host.variables().set(kTokenNav2Frequency, -1);  // every bit set
    host.update();
    EXPECT_EQ(host.gauge("Radios!RadioComNav2")->elements()[3].value, 4294967295.0);
}

TEST(ComNav, ScriptsRunThroughTheCommandLine) {
    auto ok = test_support::run_panelhost(std::string("run ") + PANEL_SOURCE_DIR + "/tests/scripts/comnav1_click.panel");
    EXPECT_EQ(ok.exit_code, 0) << ok.output;
    EXPECT_EQ(ok.output, "");
}

}  // namespace

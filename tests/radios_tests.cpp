// The COM/NAV radios through the host, beyond what the panel scripts show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST(ComNav, ScriptsAndTheRenderCommandDrawPictures) {
    std::string dir = std::string(PANEL_SOURCE_DIR) + "/build/pictures";
    std::filesystem::create_directories(dir);
    std::filesystem::remove(dir + "/script-render.png");
    auto scripted = test_support::run_panelhost(std::string("run ") + PANEL_SOURCE_DIR + "/tests/scripts/render_in_script.panel");
    EXPECT_EQ(scripted.exit_code, 0) << scripted.output;
    EXPECT_TRUE(std::filesystem::exists(dir + "/script-render.png"));

    std::string out = dir + "/radios-night.png";
    auto rendered = test_support::run_panelhost(std::string("render ") + PANEL_SOURCE_DIR + "/aircraft/radios.cfg -o " + out +
                                                " --night --scale 0.5 --window 0");
    EXPECT_EQ(rendered.exit_code, 0) << rendered.output;
    EXPECT_EQ(rendered.output, "wrote " + out + " (310x250)\n");

    std::string unwritable = testing::TempDir() + "/unwritable.panel";
    std::ofstream(unwritable) << "load Radios\nupdate\nrender Radios!RadioComNav1 /proc/no/such/place.png\n";
    auto refused = test_support::run_panelhost("run " + unwritable);
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_NE(refused.output.find("unwritable.panel:3: render: /proc/no/such/place.png: cannot write the picture"),
              std::string::npos)
        << refused.output;

    auto bad = test_support::run_panelhost(std::string("render ") + PANEL_SOURCE_DIR + "/aircraft/radios.cfg -o " + out +
                                           " --window 99");
    EXPECT_EQ(bad.exit_code, 2);
    EXPECT_NE(bad.output.find("no window has ident 99"), std::string::npos) << bad.output;
}

}  // namespace

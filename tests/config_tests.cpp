// The panel configuration: what it reads, and faults named by file and line.
#include <gtest/gtest.h>

#include "host/panel_config.h"
#include "host/panel_setup.h"

using namespace panel;

namespace {

TEST(PanelConfig, ReadsWindowsAndGaugesInTheirOrder) {
    PanelConfig config = parse_panel_config(
        "; the radio stack\n"
        "[Window01]\n"
        "ident=26\n"
        "title=Second\n"
        "size=300,200\n"
        "position=10,20\n"
        "visible=0\n"
        "gauge01=Radios!RadioComNav2, 5, 6, 100\n"
        "gauge00=Radios!RadioComNav1, 1, 2, 300, 120   ; with a height\n"
        "[Window00]\n"
        "ident=0\n"
        "size=640,480\n"
        "background=panels/main.png\n",
        "/tmp/aircraft/panel.cfg");
    ASSERT_EQ(config.windows.size(), 2u);
    const WindowConfig& first = config.windows[0];
    EXPECT_EQ(first.section, 0);
    EXPECT_EQ(first.ident, 0u);
    EXPECT_EQ(first.background, "/tmp/aircraft/panels/main.png");
    EXPECT_TRUE(first.visible);
    const WindowConfig& second = config.windows[1];
    EXPECT_EQ(second.title, "Second");
    EXPECT_EQ(second.x, 10);
    EXPECT_EQ(second.y, 20);
    EXPECT_FALSE(second.visible);
    ASSERT_EQ(second.gauges.size(), 2u);
    EXPECT_EQ(second.gauges[0].gauge, "Radios!RadioComNav1");
    EXPECT_EQ(second.gauges[0].height, 120);
    EXPECT_EQ(second.gauges[1].gauge, "Radios!RadioComNav2");
    EXPECT_FALSE(second.gauges[1].height.has_value());
    EXPECT_EQ(config.modules(), std::vector<std::string>{"Radios"});
}

TEST(PanelConfig, FaultsNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"[Panel]\n", "p.cfg:1: unknown section [Panel] (sections are [WindowNN])"},
        {"[Window00]\nsize=10,10\ncolour=red\n", "p.cfg:3: unknown key \"colour\""},
        {"[Window00]\nsize=10,x\n", "p.cfg:2: bad number \"x\" for size"},
        {"[Window00]\nsize=10\n", "p.cfg:2: size takes 2 numbers"},
        {"[Window00]\nsize=10,10\ngauge00=Radios!RadioComNav1, 1, 2\n", "p.cfg:3: a gauge's x, y, width[, height] takes 3 or 4 numbers"},
        {"[Window00]\nsize=10,10\ngauge00=RadioComNav1, 1, 2, 3\n", "p.cfg:3: gauge \"RadioComNav1\" is not named Module!Gauge"},
        {"ident=0\n", "p.cfg:1: key \"ident\" outside a [WindowNN] section"},
        {"[Window00]\nident=3\n", "p.cfg:1: [Window00] has no size"},
        {"[Window00]\nsize=1,1\n[Window00]\n", "p.cfg:3: section [Window00] appears twice"},
        {"[Window00]\nsize=1,1\nvisible=yes\n", "p.cfg:3: visible is 0 or 1"},
        {"[Window00]\nsize=1,1\nident=4\nident=5\n", "p.cfg:4: key \"ident\" is given twice in this window (first on line 3)"},
        {"[Window00]\nsize=1,1\n[Window01]\nsize=1,1\n", "p.cfg:3: ident 0 is already the ident of the window on line 1"},
    };
    for (const Case& c : cases) {
        try {
            parse_panel_config(c.text, "p.cfg");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ConfigError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(PanelConfig, AGaugeNoLoadedModuleHasIsRefused) {
    PanelConfig config = parse_panel_config("[Window00]\nsize=10,10\ngauge00=Radios!RadioComNav3, 0, 0, 10\n", "p.cfg");
    PanelHost host(PANEL_GAUGE_DIR);
    try {
        set_up_panel(host, config);
        ADD_FAILURE() << "accepted";
    } catch (const ConfigError& e) {
        EXPECT_EQ(std::string(e.what()), "p.cfg:3: no loaded module has the gauge \"Radios!RadioComNav3\"");
    }
}

TEST(PanelConfig, WindowsStartAsTheConfigurationSays) {
    PanelConfig config = parse_panel_config(
        "[Window00]\nident=0\nsize=1,1\nvisible=0\n[Window01]\nident=26\nsize=1,1\nvisible=1\n", "p.cfg");
    PanelHost host(PANEL_GAUGE_DIR);
    set_up_panel(host, config);
    EXPECT_FALSE(host.window_open(0));
    EXPECT_TRUE(host.window_open(26));
}

}  // namespace

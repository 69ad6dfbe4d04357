// The headless host: mouse dispatch, failures, windows and the script language.
#include <gtest/gtest.h>

#include <sstream>

#include "host/panel_host.h"
#include "host/script.h"
#include "host/tokens.h"

using namespace panel;

namespace {

// What the test gauge's drag handler reported: position and the flags' top byte.
struct Report {
    int32_t x, y;
    uint32_t flags_top;
    bool operator==(const Report&) const = default;
};
std::vector<Report> reports(PanelHost& host) {
    std::vector<Report> out;
    for (const SentEvent& e : host.take_events()) {
        if (e.id != 1) continue;
        out.push_back({static_cast<int32_t>(e.parameter >> 20) - 500, static_cast<int32_t>((e.parameter >> 8) & 0xFFF) - 500,
                       e.parameter & 0xFF});
    }
    return out;
}

struct TestGaugeHost : ::testing::Test {
    PanelHost host{PANEL_GAUGE_DIR};
    GaugeState* gauge = nullptr;
    void SetUp() override {
        host.load("TestGauge");
        gauge = host.gauge("TestGauge!Test");
        ASSERT_NE(gauge, nullptr);
    }
};

TEST_F(TestGaugeHost, HandlerPositionsAreMeasuredFromTheRectangleThatTookThePress) {
    // The drag area is (10,10) 20x10 and takes presses and moves.
    host.press(*gauge, 15, 12);
    host.drag(25, 19);
    host.drag(2, 40);  // outside the rectangle and below the face: still this rectangle's
    host.release();
    host.drag(20, 15);  // no button held: nothing
    EXPECT_EQ(reports(host), (std::vector<Report>{{5, 2, 0x20}, {15, 9, 0x00}, {-8, 30, 0x00}}));
}

TEST_F(TestGaugeHost, APressOutsideEveryAreaDoesNothing) {
    host.press(*gauge, 2, 28);
    EXPECT_FALSE(host.button_held());
    EXPECT_TRUE(host.take_events().empty());
}

TEST_F(TestGaugeHost, AHeldSteppingAreaRepeatsAfterAPauseOfNineThenEveryFour) {
    host.press(*gauge, 50, 5);  // event area, flags include repeat
    EXPECT_EQ(host.take_events().size(), 1u);  // the press itself
    std::vector<int> repeated_at;
    for (int update = 1; update <= 21; ++update) {
        host.hold_tick();
        if (!host.take_events().empty()) repeated_at.push_back(update);
    }
    EXPECT_EQ(repeated_at, (std::vector<int>{9, 13, 17, 21}));
    host.release();
    host.hold_tick();
    EXPECT_TRUE(host.take_events().empty());
}

TEST_F(TestGaugeHost, DragAreasWithoutRepeatDoNotRepeat) {
    host.press(*gauge, 15, 12);
    host.take_events();
    for (int i = 0; i < 30; ++i) host.hold_tick();
    EXPECT_TRUE(host.take_events().empty());
}

TEST(Mouse, CursorAndHelpOverTheRadio) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.load("Radios");
    GaugeState& radio = *host.gauge("Radios!RadioComNav1");
    struct Case {
        int32_t x, y;
        int32_t cursor;
        uint32_t help;
    } cases[] = {
        {170, 130, 1, 42768},  // COM knob, whole megahertz up: the knob's help text
        {100, 130, 2, 42768},  // COM knob, whole megahertz down
        {345, 100, 2, 42772},  // NAV knob, whole megahertz down
        {300, 20, -1, 0},      // bare face
        {60, 190, 2, 0},       // VOL/OFF knob, OFF half
    };
    for (const Case& c : cases) {
        auto hover = radio.hover(c.x, c.y);
        EXPECT_EQ(hover.cursor, c.cursor) << c.x << "," << c.y;
        EXPECT_EQ(hover.help_id, c.help) << c.x << "," << c.y;
    }
}

TEST(Failures, ActOnTheElementsThatListThem) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.load("Radios");
    GaugeState& radio = *host.gauge("Radios!RadioComNav1");
    host.press(radio, 95, 195);
    host.update();
    const ElementState& com = radio.elements()[2];
    const ElementState& nav = radio.elements()[3];
    ASSERT_EQ(com.text, "12280");

    host.fail(9);  // the COM receiver: its window freezes
    host.variables().set(kTokenCom1Frequency, 0x2345);
    host.update();
    EXPECT_EQ(com.text, "12280");
    EXPECT_EQ(com.value, 0x2280);
    EXPECT_EQ(nav.text, "11050");

    host.fail(20);  // the electrics, listed first: the window goes dark
    host.update();
    EXPECT_EQ(com.failure, FailureAction::Darken);
    EXPECT_EQ(com.text, "");
    EXPECT_EQ(nav.text, "");

    host.repair(20);
    host.repair(9);
    host.update();
    EXPECT_EQ(com.failure, FailureAction::None);
    EXPECT_EQ(com.text, "12345");
}

TEST(Windows, ServicesChangeAndRecordTheWindows) {
    PanelHost host(PANEL_GAUGE_DIR);
    PANELS* services = host.services();
    EXPECT_TRUE(host.window_open(0));
    EXPECT_FALSE(host.window_open(26));
    services->toggle_panel_window(26);
    services->close_panel_window(0);
    services->open_panel_window(27);
    services->toggle_panel_window(26);
    EXPECT_FALSE(host.window_open(26));
    EXPECT_FALSE(host.window_open(0));
    EXPECT_TRUE(host.window_open(27));
    EXPECT_EQ(host.take_window_calls(),
              (std::vector<WindowCall>{{WindowCall::Toggle, 26}, {WindowCall::Close, 0}, {WindowCall::Open, 27},
                                       {WindowCall::Toggle, 26}}));
    EXPECT_TRUE(host.take_window_calls().empty());
}

TEST(Variables, LookupFillsTheValueAsTheHostTypesIt) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.variables().set(kTokenCom1Frequency, 0x2345);
    host.update(3);
    MODULE_VAR com{.token = kTokenCom1Frequency, .host_reference = nullptr, .host_type = 0, .value = {}, .previous_value = {}};
    MODULE_VAR ticks{.token = kTokenTicks, .host_reference = nullptr, .host_type = 0, .value = {}, .previous_value = {}};
    MODULE_VAR unknown{.token = 99999, .host_reference = nullptr, .host_type = 0, .value = {.raw = 0x1234}, .previous_value = {}};
    host.services()->lookup_var(&com);
    host.services()->lookup_var(&ticks);
    host.services()->lookup_var(&unknown);
    EXPECT_EQ(com.value.integer, 0x2345);
    EXPECT_EQ(ticks.value.number, 3.0);  // the tick counter is a float variable
    EXPECT_EQ(unknown.value.raw, 0u);
}

// -- the script language ---------------------------------------------------

struct ScriptOutcome {
    int code;
    std::string out;
    std::string err;
};
ScriptOutcome run(const std::string& text) {
    PanelHost host(PANEL_GAUGE_DIR);
    std::ostringstream out, err;
    ScriptOptions options;
    options.modules_dir = PANEL_GAUGE_DIR;
    int code = run_script_text(text, "t.panel", host, options, out, err);
    return {code, out.str(), err.str()};
}

TEST(Script, SplitsWordsTextsAndComments) {
    struct Case {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {"update 3", {"update", "3"}},
        {"  expect text Radios!RadioComNav1 3 \"12 345\"  # a comment", {"expect", "text", "Radios!RadioComNav1", "3", "12 345"}},
        {"expect text G 3 \"say \\\"hi\\\" \\\\o/\"", {"expect", "text", "G", "3", "say \"hi\" \\o/"}},
        {"expect text G 3 \"#not a comment\"", {"expect", "text", "G", "3", "#not a comment"}},
        {"# only a comment", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_script_line(c.line), c.words) << c.line;
    EXPECT_THROW(split_script_line("expect text G 3 \"open"), std::invalid_argument);
    EXPECT_THROW(split_script_line("expect text G 3 \"bad \\n\""), std::invalid_argument);
}

TEST(Script, FailedExpectationsAreReportedAndTheScriptGoesOn) {
    auto r = run("load Radios\n"
                 "update\n"
                 "expect text Radios!RadioComNav1 3 \"12280\"\n"
                 "expect value Radios!RadioComNav1 3 1\n"
                 "expect events 65637\n"
                 "expect var 23 0x2280\n"
                 "expect window 26 open\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err,
              "t.panel:3: expected text \"12280\", got \"\"\n"
              "t.panel:4: expected value 1, got 8832\n"
              "t.panel:5: expected events 65637, got none\n"
              "t.panel:7: expected window 26 open, got closed\n");
}

TEST(Script, ErrorsStopAtTheFirstAndNameTheLine) {
    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"jump 3\n", "t.panel:1: unknown command \"jump\"\n"},
        {"load Radios\nupdate\nexpect text Radios!RadioComNav1 9 \"\"\n", "t.panel:3: Radios!RadioComNav1 has no element 9 (it has 4)\n"},
        {"load Radios\nclick Radios!Nothing 1 1\n", "t.panel:2: module Radios has no gauge \"Nothing\"\n"},
        {"click Mainpanel!Asi 1 1\n", "t.panel:1: module \"Mainpanel\" is not loaded\n"},
        {"var 23 12.5\n", "t.panel:1: token 23 (COM 1 frequency) holds whole numbers, not 12.5\n"},
        {"var 5555 1\n", "t.panel:1: token 5555 is not a host variable\n"},
        {"update x\n", "t.panel:1: bad number \"x\"\n"},
        {"fail 40\n", "t.panel:1: failure key 40 is not 2 to 21\n"},
        {"load Radios\nexpect value Radios!RadioComNav1 3.x 0\n", "t.panel:2: element 3.x is a string and has no axes\n"},
        {"load Radios\nrender Radios!RadioComNav1 out.png\n", "t.panel:2: render: this panel host was built without drawing\n"},
        {"load NoSuchModule\nupdate\n", "t.panel:1: cannot load module NoSuchModule: "},
    };
    for (const Case& c : cases) {
        auto r = run(c.script);
        EXPECT_EQ(r.code, 2) << c.script;
        EXPECT_EQ(r.err.substr(0, std::string(c.message).size()), c.message) << c.script;
    }
}

TEST(Script, PrintShowsEveryElement) {
    auto r = run("load Radios\nclick Radios!RadioComNav1 95 195\nupdate\nprint Radios!RadioComNav1\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "Radios!RadioComNav1\n"
              "   1 static image bitmap 257\n"
              "   2 icon         value 1\n"
              "   3 string       value 8832 (0x2280)  text \"12280\"\n"
              "   4 string       value 4176 (0x1050)  text \"11050\"\n");
}

}  // namespace

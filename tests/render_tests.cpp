// The renderer: pixels at known places of gauges drawn from the core's state.
#include <gtest/gtest.h>

#include <cmath>

#include "host/panel_setup.h"
#include "host/render/gauge_renderer.h"
#include "host/tokens.h"

using namespace panel;
using namespace panel::render;

namespace {

struct Rgb {
    int r, g, b;
};

Rgb pixel(cairo_surface_t* image, int x, int y) {
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(image) + x * 4);
    int a = p >> 24;
    if (a == 0) return {0, 0, 0};
    // Undo cairo's premultiplied alpha.
    return {static_cast<int>(((p >> 16) & 0xFF) * 255 / a), static_cast<int>(((p >> 8) & 0xFF) * 255 / a),
            static_cast<int>((p & 0xFF) * 255 / a)};
}

bool is_red(Rgb c) { return c.r > 180 && c.g < 90 && c.b < 90; }
bool is_blue(Rgb c) { return c.b > 180 && c.r < 90 && c.g < 90; }
bool is_green(Rgb c) { return c.g > 180 && c.r < 90 && c.b < 90; }
bool is_grey(Rgb c) { return std::abs(c.r - 128) < 12 && std::abs(c.g - 128) < 12 && std::abs(c.b - 128) < 12; }
bool is_white(Rgb c) { return c.r > 230 && c.g > 230 && c.b > 230; }

struct RenderGauges : ::testing::Test {
    PanelHost host{PANEL_GAUGE_DIR};
    Renderer renderer;
    void SetUp() override { host.load("RenderGauges"); }
    Surface draw(const std::string& gauge, double value) {
        host.variables().set(kTokenCom1Frequency, value);
        host.update();
        return renderer.gauge_image(*host.gauge("RenderGauges!" + gauge), 1.0, {});
    }
};

// How far from the pivot (100,100) the red needle reaches along a direction
// (degrees clockwise from pointing right); 0 when it is not there at all.
double needle_reach(cairo_surface_t* image, double degrees) {
    double a = degrees * M_PI / 180.0, reach = 0;
    for (double r = 20; r < 80; r += 0.5) {
        int x = static_cast<int>(std::lround(100 + r * std::cos(a))), y = static_cast<int>(std::lround(100 + r * std::sin(a)));
        if (is_red(pixel(image, x, y))) reach = r;
        else if (r < 40) return 0;  // the needle's body must lie along the direction
    }
    return reach;
}

TEST_F(RenderGauges, NeedleTipsLandOnTheCalibrationPoints) {
    struct Case {
        const char* gauge;
        double value;
        double direction;  // degrees clockwise from pointing right
    } cases[] = {
        {"Ascending", 0, 0},    {"Ascending", 50, 90},   {"Ascending", 100, 180},
        {"Ascending", 25, 45},  {"Ascending", -20, 0},   {"Ascending", 150, 180},  // beyond the ends: stops
        {"Descending", 100, 0}, {"Descending", 50, 90},  {"Descending", 0, 180},  {"Descending", 75, 45},
        {"Clock", 0, 270},      {"Clock", 60, 0},        {"Clock", 30, 315},       {"Clock", 180, 180},
        {"Clock", 210, 224.5},  // between left and just left of up: the hand keeps turning clockwise
        {"Degrees", 0, 270},    {"Degrees", 90, 0},      {"Degrees", -90, 180},
    };
    for (const Case& c : cases) {
        Surface image = draw(c.gauge, c.value);
        EXPECT_NEAR(needle_reach(image.get(), c.direction), 56, 2) << c.gauge << " at " << c.value;
        EXPECT_EQ(needle_reach(image.get(), c.direction + 90), 0) << c.gauge << " at " << c.value;
    }
}

TEST_F(RenderGauges, SpriteShowsThroughItsCompanionOnly) {
    Surface centred = draw("Sprite", 0);
    EXPECT_TRUE(is_blue(pixel(centred.get(), 100, 100)));
    EXPECT_TRUE(is_green(pixel(centred.get(), 100, 140)));   // inside the near-black disc
    EXPECT_TRUE(is_white(pixel(centred.get(), 100, 170)));   // the companion's ring lies over the sprite
    EXPECT_TRUE(is_grey(pixel(centred.get(), 5, 5)));        // pure black: neither sprite nor companion
    Surface shifted = draw("Sprite", 30);
    EXPECT_TRUE(is_green(pixel(shifted.get(), 100, 100)));
    EXPECT_TRUE(is_blue(pixel(shifted.get(), 130, 100)));
}

TEST_F(RenderGauges, MovingImageTravelsFromEndToEnd) {
    struct Case {
        double value;
        bool top_red, bottom_red;
    } cases[] = {{0, true, true}, {-40, true, true}, {50, true, false}, {100, false, false}, {250, false, false}};
    for (const Case& c : cases) {
        Surface image = draw("Moving", c.value);
        // The window is (80,75) 40x50 with a 4 px white frame.
        EXPECT_EQ(is_red(pixel(image.get(), 100, 82)), c.top_red) << c.value;
        EXPECT_EQ(is_red(pixel(image.get(), 100, 117)), c.bottom_red) << c.value;
        EXPECT_TRUE(is_red(pixel(image.get(), 100, 82)) || is_blue(pixel(image.get(), 100, 82))) << c.value;
        EXPECT_TRUE(is_white(pixel(image.get(), 81, 100))) << c.value;
        EXPECT_TRUE(is_grey(pixel(image.get(), 100, 60))) << "the strip shows outside its window at " << c.value;
    }
}

TEST_F(RenderGauges, AHiddenElementIsNotDrawnButItsChildrenAre) {
    Surface image = draw("Hidden", 0);
    EXPECT_TRUE(is_grey(pixel(image.get(), 25, 25)));
    Rgb child = pixel(image.get(), 35, 35);
    EXPECT_TRUE(child.r > 230 && child.g < 30 && child.b > 230);
}

TEST_F(RenderGauges, InteractiveNeedlesMoveAtMostTheirRateLimitPerUpdate) {
    host.set_interactive(true);
    host.variables().set(kTokenCom1Frequency, 100);
    host.update();
    const Placement& p = host.gauge("RenderGauges!Ascending")->elements()[1].placement;
    EXPECT_DOUBLE_EQ(p.shown_angle, 180);  // the first update shows the value at once
    host.variables().set(kTokenCom1Frequency, 50);
    host.update();
    EXPECT_DOUBLE_EQ(p.angle, 90);
    EXPECT_DOUBLE_EQ(p.shown_angle, 174);
    host.update(14);
    EXPECT_DOUBLE_EQ(p.shown_angle, 90);
    host.update();
    EXPECT_DOUBLE_EQ(p.shown_angle, 90);
}

// The radio configuration of the demo aircraft.
struct RadioPanel : ::testing::Test {
    PanelHost host{PANEL_GAUGE_DIR};
    PanelConfig config = read_panel_config(std::string(PANEL_SOURCE_DIR) + "/aircraft/radios.cfg");
    Renderer renderer;
    void SetUp() override { set_up_panel(host, config); }

    // Pixels of a colour inside the COM window of the first radio.
    int count_in_com_window(cairo_surface_t* image, bool (*match)(Rgb)) {
        const GaugePlacement& radio = config.windows[0].gauges[0];
        double scale = radio.width / 600.0;
        int count = 0;
        for (int y = 40; y < 100; ++y) {
            for (int x = 88; x < 320; ++x) {
                count += match(pixel(image, static_cast<int>(radio.x + x * scale), static_cast<int>(radio.y + y * scale)));
            }
        }
        return count;
    }
};

bool is_amber(Rgb c) { return c.r > 200 && c.g > 160 && c.g < 240 && c.b < 110; }

TEST_F(RadioPanel, FrequenciesShowInTheWindowsWhileTheRadioIsOn) {
    host.update();
    Surface off = renderer.window_image(host, config.windows[0], 1.0, {});
    EXPECT_EQ(count_in_com_window(off.get(), is_amber), 0);

    host.press(*host.gauge("Radios!RadioComNav1"), 95, 195);
    host.update();
    Surface on = renderer.window_image(host, config.windows[0], 1.0, {});
    EXPECT_GT(count_in_com_window(on.get(), is_amber), 500);
}

TEST_F(RadioPanel, TheSelectionHighlightsItsCharacters) {
    host.press(*host.gauge("Radios!RadioComNav1"), 95, 195);
    host.update();
    host.select(4);  // COM characters 0 to 2
    Surface image = renderer.window_image(host, config.windows[0], 1.0, {.night = false, .selection = host.selection()});
    EXPECT_GT(count_in_com_window(image.get(), is_white), 200);
    EXPECT_GT(count_in_com_window(image.get(), is_amber), 200);
}

TEST_F(RadioPanel, AtNightThePanelDarkensAndTheTextsStayLit) {
    host.press(*host.gauge("Radios!RadioComNav1"), 95, 195);
    host.update();
    Surface day = renderer.window_image(host, config.windows[0], 1.0, {});
    Surface night = renderer.window_image(host, config.windows[0], 1.0, {.night = true, .selection = 0});
    // A point of the face beside the windows.
    Rgb face_day = pixel(day.get(), 10 + 300, 10 + 200), face_night = pixel(night.get(), 10 + 300, 10 + 200);
    EXPECT_LT(face_night.r + face_night.g + face_night.b, (face_day.r + face_day.g + face_day.b) / 2);
    EXPECT_GT(count_in_com_window(night.get(), is_amber), 500);
}

TEST_F(RadioPanel, GaugesScaleToTheirPlacement) {
    host.update();
    Surface half = renderer.gauge_image(*host.gauge("Radios!RadioComNav1"), 0.5, {});
    EXPECT_EQ(cairo_image_surface_get_width(half.get()), 300);
    EXPECT_EQ(cairo_image_surface_get_height(half.get()), 120);
    Surface window = renderer.window_image(host, config.windows[0], 2.0, {});
    EXPECT_EQ(cairo_image_surface_get_width(window.get()), config.windows[0].width * 2);
}

}  // namespace

// One gauge as the host runs it: its elements in draw order with what the
// last update computed for each, and its mouse rectangles placed on the face.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/gauge.h"
#include "host/resources.h"
#include "host/variables.h"

namespace panel {

// Failure actions, while an element's failure key is failed.
enum class FailureAction : int {
    None = -1,
    Freeze = 0,   // value and text stay as they were
    Zero = 1,     // value 0, a string shows nothing
    Hide = 2,     // not drawn
    Darken = 3,   // a string shows nothing, an icon no picture, other kinds are not drawn
};

// Where and how the renderer draws an element, worked out by the update so
// that drawing only draws.
struct Placement {
    // The bitmap to draw: the element's own, an icon's state, or -1 for none.
    int32_t bitmap = -1;
    // Needles: the turn of the bitmap as drawn, degrees clockwise, and the
    // turn actually shown after the rate limit (interactive mode only).
    double angle = 0;
    double shown_angle = 0;
    bool angle_set = false;
    // Sliders: displacement of the bitmap. Moving images: how far the strip
    // has travelled within its window.
    double dx = 0;
    double dy = 0;
    // Sprites: the face point the picture's centre sits on, and its turn in radians, clockwise.
    double cx = 0;
    double cy = 0;
    double turn = 0;
};

struct ElementState {
    ELEMENT_HEADER* record = nullptr;
    // 1 for the root, then in draw order.
    size_t number = 0;
    size_t depth = 0;
    // The string's text buffer, max length + 1 bytes.
    std::unique_ptr<char[]> buffer;
    // Values at the last update: the callback's result, else the variable's.
    // Single-valued kinds use `value`; sliders, moving images and sprites x, y (and r).
    double value = 0;
    double x = 0;
    double y = 0;
    double r = 0;
    std::string text;
    FailureAction failure = FailureAction::None;
    Placement placement;
};

// A rectangle of the mouse array, placed in gauge pixels.
struct MouseArea {
    const MOUSERECT* rect = nullptr;
    size_t index = 0;
    size_t depth = 0;
    // The enclosing parent's place in the gauge's area list, -1 for the outermost.
    int parent = -1;
    // Top-left corner of the rectangle as declared (handler positions are measured from it).
    int32_t origin_x = 0;
    int32_t origin_y = 0;
    // The box clipped to the gauge face.
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int32_t px, int32_t py) const { return px >= left && px < right && py >= top && py < bottom; }
    bool takes_press() const { return rect->type == kMouseChild && (rect->event_id != 0 || rect->handler != nullptr); }
};

// The turn, in degrees clockwise on screen, at which a needle whose bitmap
// points right shows `value` on a calibration table about `pivot`: between
// two entries it turns clockwise from one entry's point to the next's;
// beyond either end it stops at that end.
double calibrated_angle(const NONLINEARITY* table, uint32_t entries, PIXPOINT pivot, double value);

class GaugeState {
public:
    GaugeState(std::string module, GAUGEHDR* header, const ModuleResources& resources);

    // One update: the gauge callback, then every element in draw order.
    // With `rate_limited`, needles move at most their rate limit per update.
    void update(const Variables& vars, const std::set<uint32_t>& failed, bool rate_limited = false);

    const std::string& module() const { return module_; }
    std::string name() const { return header_->name; }
    std::string full_name() const { return module_ + "!" + header_->name; }
    GAUGEHDR* header() const { return header_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    const std::vector<ElementState>& elements() const { return elements_; }
    const std::vector<MouseArea>& mouse_areas() const { return areas_; }
    const ModuleResources& resources() const { return resources_; }

    // The area a press at (x, y) goes to, or null.
    const MouseArea* press_target(int32_t x, int32_t y) const;
    // Cursor and help id shown over (x, y): the deepest rectangle holding the
    // point gives the cursor; the help id is the nearest one set, from it outwards.
    struct Hover {
        int32_t cursor = -1;
        uint32_t help_id = 0;
    };
    Hover hover(int32_t x, int32_t y) const;

private:
    void flatten(ELEMENT_HEADER* element, size_t depth);
    void place_mouse_areas();
    void update_element(ElementState& state, const Variables& vars, const std::set<uint32_t>& failed);
    void place(ElementState& state, bool rate_limited) const;

    std::string module_;
    GAUGEHDR* header_;
    const ModuleResources& resources_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<ElementState> elements_;
    std::vector<MouseArea> areas_;
};

}  // namespace panel

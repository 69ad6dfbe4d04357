// The aircraft's panel configuration: which gauges sit where in which panel
// window. An INI file read into plain records:
//
//   [Window00]
//   ident=0                 ; identifier the window services use
//   title=Main panel
//   size=1280,800           ; window size in panel pixels
//   position=0,0            ; top-left corner on the screen
//   background=main.png     ; optional, relative to this file; pure black is transparent
//   visible=1               ; open at start
//   gauge00=Radios!RadioComNav1, 100, 60, 230   ; x, y, width[, height]
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace panel {

// A fault in a configuration file; the message starts with "FILE:LINE: ".
struct ConfigError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct GaugePlacement {
    std::string gauge;  // "Module!Gauge"
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    // Absent: the face's own aspect.
    std::optional<int32_t> height;
    int line = 0;
};

struct WindowConfig {
    int section = 0;  // the NN of [WindowNN]
    uint32_t ident = 0;
    std::string title;
    int32_t width = 0;
    int32_t height = 0;
    int32_t x = 0;
    int32_t y = 0;
    std::string background;  // a path, resolved against the configuration's directory; empty for none
    bool visible = true;
    // In the order of their keys.
    std::vector<GaugePlacement> gauges;
    int line = 0;
};

struct PanelConfig {
    std::string path;
    // In the order of their section numbers.
    std::vector<WindowConfig> windows;

    // The module names the gauges come from, in order of first use.
    std::vector<std::string> modules() const;
    const WindowConfig* window(uint32_t ident) const;
};

// Throws ConfigError naming the file and line of the first fault.
PanelConfig read_panel_config(const std::string& path);
PanelConfig parse_panel_config(const std::string& text, const std::string& path);

}  // namespace panel

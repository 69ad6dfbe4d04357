// Draws gauges and panel windows from what the headless core computed.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <utility>

#include "host/gauge_state.h"
#include "host/panel_config.h"
#include "host/panel_host.h"
#include "host/render/surfaces.h"

namespace panel::render {

struct DrawOptions {
    bool night = false;
    // The host's highlight selection.
    int32_t selection = 0;
};

class Renderer {
public:
    // Draws the gauge in its own pixels (its face bitmap's size) on `cr`.
    void draw_gauge(cairo_t* cr, const GaugeState& gauge, const DrawOptions& options);

    // The gauge alone, scaled: an image of (face size x scale).
    Surface gauge_image(const GaugeState& gauge, double scale, const DrawOptions& options);

    // A panel window: its background and its gauges, each drawn at its own
    // size and scaled to its placement, the whole at `scale`.
    Surface window_image(PanelHost& host, const WindowConfig& window, double scale, const DrawOptions& options);

    // Every open window at its screen position, in section order, on one image.
    Surface panel_image(PanelHost& host, const PanelConfig& config, double scale, const DrawOptions& options);

    // Forgets every surface made from module bitmaps (modules were reloaded).
    void forget_bitmaps() { surfaces_.clear(); }

private:
    void draw_element(cairo_t* cr, const GaugeState& gauge, const ElementState& e, const DrawOptions& options);
    void draw_window_into(cairo_t* cr, PanelHost& host, const WindowConfig& window, const DrawOptions& options);

    // A window's background picture, as drawn by day or at night.
    cairo_surface_t* background(const std::string& path, bool night);

    SurfaceCache surfaces_;
    std::map<std::pair<std::string, bool>, Surface> backgrounds_;
};

// Writes an image as a PNG file, making its directory if need be; throws
// std::runtime_error naming the file.
void write_png(cairo_surface_t* image, const std::string& path);

}  // namespace panel::render

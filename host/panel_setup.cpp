#include "host/panel_setup.h"

namespace panel {

void set_up_panel(PanelHost& host, const PanelConfig& config) {
    for (const std::string& module : config.modules()) {
        if (host.module(module) == nullptr) host.load(module);
    }
    for (const WindowConfig& window : config.windows) {
        for (const GaugePlacement& g : window.gauges) {
            if (host.gauge(g.gauge) == nullptr)
                throw ConfigError(config.path + ":" + std::to_string(g.line) + ": no loaded module has the gauge \"" +
                                  g.gauge + "\"");
        }
        host.set_window(window.ident, window.visible);
    }
}

}  // namespace panel

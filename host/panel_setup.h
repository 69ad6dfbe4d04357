// Puts a panel configuration on a host: loads the modules its gauges come
// from, checks that every gauge it places exists, and opens the windows that
// start open.
#pragma once

#include "host/panel_config.h"
#include "host/panel_host.h"

namespace panel {

// Throws ConfigError naming the file and line of a gauge that no loaded
// module has, or LoadError for a module that cannot be loaded.
void set_up_panel(PanelHost& host, const PanelConfig& config);

}  // namespace panel

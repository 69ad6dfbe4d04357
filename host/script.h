// Panel scripts: one command a line, run against a panel host.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/panel_host.h"

namespace panel {

// Draws a gauge as at the last update: (host, gauge, file, scale). Supplied
// by a host built with drawing; without one, `render` is a script error.
using GaugeRenderer = std::function<void(PanelHost&, GaugeState&, const std::string&, double)>;

struct ScriptOptions {
    std::string modules_dir;
    GaugeRenderer renderer;
};

// Runs the scripts, each from a fresh host. Returns 0 when every expectation
// held, 1 when any failed (each printed as FILE:LINE: expected ..., got ...),
// 2 at the first script error (FILE:LINE: what is wrong).
int run_scripts(const std::vector<std::string>& files, const ScriptOptions& options, std::ostream& out,
                std::ostream& err);

// Runs one script's text against `host`; `file` names it in messages.
int run_script_text(const std::string& text, const std::string& file, PanelHost& host, const ScriptOptions& options,
                    std::ostream& out, std::ostream& err);

// Splits a script line into words: spaces separate, "texts" keep theirs
// with \" and \\ escapes, # starts a comment. Throws std::invalid_argument.
std::vector<std::string> split_script_line(const std::string& line);

}  // namespace panel

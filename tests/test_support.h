// Shared by the tests: where the built module files and the host are.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace test_support {

inline std::string module_file(const std::string& name) { return std::string(PANEL_GAUGE_DIR) + "/" + name + ".so"; }

struct CommandResult {
    int exit_code = -1;
    std::string output;
};

// Runs the panel host's command line with the given arguments (stdout and stderr together).
inline CommandResult run_panelhost(const std::string& arguments) {
    std::string command = std::string(PANEL_HOST) + " --modules " + PANEL_GAUGE_DIR + " " + arguments + " 2>&1";
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.output.append(chunk.data(), n);
    int status = pclose(pipe);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace test_support

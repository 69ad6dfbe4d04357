#include "host/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace panel {
namespace {

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// "NN" after a fixed prefix, as a number; -1 when the rest is not digits.
int numbered(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
    std::string digits = name.substr(prefix.size());
    if (digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return -1;
    return std::stoi(digits);
}

class Parser {
public:
    explicit Parser(std::string path) : path_(std::move(path)) {}

    [[noreturn]] void fail(int line, const std::string& what) const {
        throw ConfigError(path_ + ":" + std::to_string(line) + ": " + what);
    }

    int32_t integer(const std::string& text, int line, const std::string& what) const {
        std::string t = trim(text);
        try {
            size_t used = 0;
            long long v = std::stoll(t, &used, 10);
            if (used != t.size() || v < INT32_MIN || v > INT32_MAX) throw std::invalid_argument("");
            return static_cast<int32_t>(v);
        } catch (const std::exception&) {
            fail(line, "bad number \"" + t + "\" for " + what);
        }
    }

    std::vector<int32_t> integers(const std::string& value, size_t least, size_t most, int line,
                                  const std::string& what) const {
        std::vector<int32_t> out;
        std::stringstream parts(value);
        for (std::string part; std::getline(parts, part, ',');) out.push_back(integer(part, line, what));
        if (out.size() < least || out.size() > most)
            fail(line, what + " takes " + (least == most ? std::to_string(least) : std::to_string(least) + " or " +
                                                                                      std::to_string(most)) +
                           " numbers");
        return out;
    }

    PanelConfig parse(const std::string& text) {
        PanelConfig config;
        config.path = path_;
        std::map<int, WindowConfig> windows;
        std::map<int, std::map<int, GaugePlacement>> gauges;
        std::map<int, std::map<std::string, int>> seen_keys;
        WindowConfig* current = nullptr;
        std::istringstream lines(text);
        int line_number = 0;
        for (std::string raw; std::getline(lines, raw);) {
            ++line_number;
            std::string line = trim(raw.substr(0, raw.find(';')));
            if (line.empty() || line[0] == '#') continue;
            if (line.front() == '[') {
                if (line.back() != ']') fail(line_number, "section header without its closing ]");
                std::string name = trim(line.substr(1, line.size() - 2));
                int number = numbered(name, "Window");
                if (number < 0) fail(line_number, "unknown section [" + name + "] (sections are [WindowNN])");
                if (windows.count(number)) fail(line_number, "section [" + name + "] appears twice");
                current = &windows[number];
                current->section = number;
                current->line = line_number;
                continue;
            }
            auto eq = line.find('=');
            if (eq == std::string::npos) fail(line_number, "expected key=value");
            std::string key = trim(line.substr(0, eq));
            std::string value = trim(line.substr(eq + 1));
            if (current == nullptr) fail(line_number, "key \"" + key + "\" outside a [WindowNN] section");
            if (seen_keys[current->section].count(key))
                fail(line_number, "key \"" + key + "\" is given twice in this window (first on line " +
                                      std::to_string(seen_keys[current->section][key]) + ")");
            seen_keys[current->section][key] = line_number;
            if (key == "ident") {
                int32_t ident = integer(value, line_number, "ident");
                if (ident < 0) fail(line_number, "ident must not be negative");
                current->ident = static_cast<uint32_t>(ident);
            } else if (key == "title") {
                current->title = value;
            } else if (key == "size") {
                auto v = integers(value, 2, 2, line_number, "size");
                if (v[0] <= 0 || v[1] <= 0) fail(line_number, "size must be positive");
                current->width = v[0];
                current->height = v[1];
            } else if (key == "position") {
                auto v = integers(value, 2, 2, line_number, "position");
                current->x = v[0];
                current->y = v[1];
            } else if (key == "background") {
                if (value.empty()) fail(line_number, "background names no file");
                auto file = std::filesystem::path(path_).parent_path() / value;
                current->background = file.lexically_normal().string();
            } else if (key == "visible") {
                if (value != "0" && value != "1") fail(line_number, "visible is 0 or 1");
                current->visible = value == "1";
            } else if (int number = numbered(key, "gauge"); number >= 0) {
                auto comma = value.find(',');
                GaugePlacement placement;
                placement.gauge = trim(value.substr(0, comma));
                placement.line = line_number;
                if (placement.gauge.find('!') == std::string::npos || placement.gauge.front() == '!' ||
                    placement.gauge.back() == '!')
                    fail(line_number, "gauge \"" + placement.gauge + "\" is not named Module!Gauge");
                if (comma == std::string::npos) fail(line_number, "gauge needs x, y and width");
                auto v = integers(value.substr(comma + 1), 3, 4, line_number, "a gauge's x, y, width[, height]");
                placement.x = v[0];
                placement.y = v[1];
                placement.width = v[2];
                if (v.size() == 4) placement.height = v[3];
                if (placement.width <= 0 || (placement.height && *placement.height <= 0))
                    fail(line_number, "a gauge's width and height must be positive");
                gauges[current->section][number] = placement;
            } else {
                fail(line_number, "unknown key \"" + key + "\"");
            }
        }
        for (auto& [number, window] : windows) {
            if (window.width == 0) {
                char name[32];
                std::snprintf(name, sizeof name, "[Window%02d]", number);
                fail(window.line, std::string(name) + " has no size");
            }
            for (auto& [key, placement] : gauges[number]) window.gauges.push_back(placement);
            config.windows.push_back(window);
        }
        for (size_t i = 0; i < config.windows.size(); ++i) {
            for (size_t j = 0; j < i; ++j) {
                if (config.windows[i].ident == config.windows[j].ident)
                    fail(config.windows[i].line, "ident " + std::to_string(config.windows[i].ident) +
                                                     " is already the ident of the window on line " +
                                                     std::to_string(config.windows[j].line));
            }
        }
        return config;
    }

private:
    std::string path_;
};

}  // namespace

std::vector<std::string> PanelConfig::modules() const {
    std::vector<std::string> names;
    for (const auto& w : windows) {
        for (const auto& g : w.gauges) {
            std::string module = g.gauge.substr(0, g.gauge.find('!'));
            if (std::find(names.begin(), names.end(), module) == names.end()) names.push_back(module);
        }
    }
    return names;
}

const WindowConfig* PanelConfig::window(uint32_t ident) const {
    for (const auto& w : windows) {
        if (w.ident == ident) return &w;
    }
    return nullptr;
}

PanelConfig parse_panel_config(const std::string& text, const std::string& path) { return Parser(path).parse(text); }

PanelConfig read_panel_config(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ConfigError(path + ": cannot open the panel configuration");
    std::stringstream text;
    text << in.rdbuf();
    return parse_panel_config(text.str(), path);
}

}  // namespace panel

// The headless panel host: loaded modules, simulation variables and systems,
// panel windows, failures, mouse dispatch and the update cycle. Drawing is
// elsewhere and only reads what this computes.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/gauge.h"
#include "host/gauge_state.h"
#include "host/module.h"
#include "host/variables.h"

namespace panel {

struct SentEvent {
    uint32_t id;
    uint32_t parameter;
    bool operator==(const SentEvent&) const = default;
};

// A call of one of the window services.
struct WindowCall {
    enum Kind { Open, Close, Toggle } kind;
    uint32_t window;
    bool operator==(const WindowCall&) const = default;
};

class PanelHost {
public:
    // Modules are found as DIR/<Name>.so.
    explicit PanelHost(std::string modules_dir);
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // Loads a module by name; a module already loaded is unloaded first, so
    // loading again gives a fresh module. Throws LoadError.
    void load(const std::string& name);
    void unload(const std::string& name);
    const Module* module(const std::string& name) const;

    // "Module!Gauge", or null.
    GaugeState* gauge(const std::string& full_name);
    // Every gauge of every loaded module, modules in load order, gauges in table order.
    std::vector<GaugeState*> gauges();

    // Update cycles: the tick counter, then every gauge.
    void update(int cycles = 1);
    // The interactive panel limits how fast needles move; scripts and renders do not.
    void set_interactive(bool interactive) { interactive_ = interactive; }

    Variables& variables() { return vars_; }
    const Variables& variables() const { return vars_; }

    // Mouse. A press releases a button still held; a drag continues the last
    // press; in interactive mode `hold_tick` once per update repeats a held
    // rectangle that repeats.
    void press(GaugeState& gauge, int32_t x, int32_t y);
    void drag(int32_t x, int32_t y);
    void release();
    void hold_tick();
    bool button_held() const { return held_.gauge != nullptr; }

    // Key events, from rectangles and from module code alike.
    void send_event(uint32_t id, uint32_t parameter);
    // Events sent since the last take_events, in order.
    const std::vector<SentEvent>& events() const { return events_; }
    std::vector<SentEvent> take_events();

    // Panel windows by identifier.
    bool window_open(uint32_t id) const;
    void set_window(uint32_t id, bool open);
    std::vector<WindowCall> take_window_calls();

    // Simulated failures (keys 2 to 21).
    void fail(uint32_t key) { failed_.insert(key); }
    void repair(uint32_t key) { failed_.erase(key); }
    const std::set<uint32_t>& failed() const { return failed_; }

    // The highlight selection strings draw against (0: none).
    void select(int32_t selection) { selection_ = selection; }
    int32_t selection() const { return selection_; }

    // The services table handed to every module.
    PANELS* services() { return &services_; }

    // Window service calls made by module code.
    int32_t toggle_window_service(uint32_t id);
    int32_t open_window_service(uint32_t id);
    int32_t close_window_service(uint32_t id);

private:
    struct Loaded {
        std::unique_ptr<Module> module;
        std::vector<std::unique_ptr<GaugeState>> gauges;
    };
    struct Held {
        GaugeState* gauge = nullptr;
        const MouseArea* area = nullptr;
        int held_updates = 0;
    };

    void call_rectangle(const MouseArea& area, int32_t x, int32_t y, uint32_t flags);

    std::string modules_dir_;
    PANELS services_{};
    std::vector<Loaded> loaded_;
    Variables vars_;
    std::vector<SentEvent> events_;
    std::map<uint32_t, bool> windows_;
    std::vector<WindowCall> window_calls_;
    std::set<uint32_t> failed_;
    int32_t selection_ = 0;
    bool interactive_ = false;
    Held held_;
    int32_t last_x_ = 0, last_y_ = 0;
};

}  // namespace panel

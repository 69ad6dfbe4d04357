#include "host/panel_host.h"

#include <algorithm>
#include <utility>

#include "host/systems.h"
#include "host/tokens.h"

namespace panel {
namespace {

// Module code reaches the host through plain function pointers, which carry
// no context: they act on the host that is running.
PanelHost* running_host = nullptr;

int32_t GAUGE_CALL list_service(ELEMENT_HEADER*) { return 0; }
int32_t GAUGE_CALL list_service_with_value(ELEMENT_HEADER*, uint32_t) { return 0; }

int32_t GAUGE_CALL toggle_panel_window_service(uint32_t id) {
    return running_host ? running_host->toggle_window_service(id) : 0;
}
int32_t GAUGE_CALL close_panel_window_service(uint32_t id) {
    return running_host ? running_host->close_window_service(id) : 0;
}
int32_t GAUGE_CALL open_panel_window_service(uint32_t id) {
    return running_host ? running_host->open_window_service(id) : 0;
}
void GAUGE_CALL trigger_key_event_service(uint32_t id, uint32_t parameter) {
    if (running_host) running_host->send_event(id, parameter);
}
void GAUGE_CALL lookup_var_service(MODULE_VAR* var) {
    if (var == nullptr) return;
    if (running_host) running_host->variables().fill(*var);
    else var->value.raw = 0;
}

// The aircraft's panel windows: the main panel open, the others closed.
constexpr std::pair<uint32_t, bool> kInitialWindows[] = {{0, true},    {21, false}, {24, false}, {26, false},
                                                         {27, false},  {28, false}, {225, false}};

}  // namespace

PanelHost::PanelHost(std::string modules_dir) : modules_dir_(std::move(modules_dir)) {
    // The element-list services: the host reaches each gauge's tree through
    // its header, so what the standard routines hand in needs no work.
    services_.element_list_query = list_service;
    services_.element_list_install = list_service_with_value;
    services_.element_list_initialize = list_service;
    services_.element_list_update = list_service;
    services_.element_list_generate = list_service_with_value;
    services_.element_list_plot = list_service;
    services_.element_list_kill = list_service;
    services_.toggle_panel_window = toggle_panel_window_service;
    services_.trigger_key_event = trigger_key_event_service;
    services_.lookup_var = lookup_var_service;
    services_.close_panel_window = close_panel_window_service;
    services_.open_panel_window = open_panel_window_service;
    for (auto [id, open] : kInitialWindows) windows_[id] = open;
    running_host = this;
}

PanelHost::~PanelHost() {
    release();
    while (!loaded_.empty()) unload(loaded_.back().module->name());
    if (running_host == this) running_host = nullptr;
}

void PanelHost::load(const std::string& name) {
    unload(name);
    auto module = Module::open(modules_dir_ + "/" + name + ".so");
    module->start(&services_);
    Loaded loaded;
    for (GAUGEHDR* header : module->gauges()) {
        loaded.gauges.push_back(std::make_unique<GaugeState>(module->name(), header, module->resources()));
        header->install(0);
        header->initialize();
    }
    loaded.module = std::move(module);
    loaded_.push_back(std::move(loaded));
}

void PanelHost::unload(const std::string& name) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const Loaded& l) { return l.module->name() == name; });
    if (it == loaded_.end()) return;
    if (held_.gauge != nullptr && held_.gauge->module() == name) held_ = {};
    for (auto& gauge : it->gauges) gauge->header()->kill();
    loaded_.erase(it);
}

const Module* PanelHost::module(const std::string& name) const {
    for (const Loaded& l : loaded_) {
        if (l.module->name() == name) return l.module.get();
    }
    return nullptr;
}

GaugeState* PanelHost::gauge(const std::string& full_name) {
    for (Loaded& l : loaded_) {
        for (auto& g : l.gauges) {
            if (g->full_name() == full_name) return g.get();
        }
    }
    return nullptr;
}

std::vector<GaugeState*> PanelHost::gauges() {
    std::vector<GaugeState*> all;
    for (Loaded& l : loaded_) {
        for (auto& g : l.gauges) all.push_back(g.get());
    }
    return all;
}

void PanelHost::update(int cycles) {
    running_host = this;
    for (int c = 0; c < cycles; ++c) {
        vars_.set(kTokenTicks, vars_.get(kTokenTicks) + 1);
        for (Loaded& l : loaded_) {
            for (auto& g : l.gauges) {
                g->header()->update();
                g->update(vars_, failed_, interactive_);
            }
        }
    }
}

void PanelHost::call_rectangle(const MouseArea& area, int32_t x, int32_t y, uint32_t flags) {
    running_host = this;
    if (area.rect->event_id != 0) send_event(area.rect->event_id, 0);
    if (area.rect->handler != nullptr) area.rect->handler(x - area.origin_x, y - area.origin_y, flags);
}

void PanelHost::press(GaugeState& gauge, int32_t x, int32_t y) {
    release();
    const MouseArea* area = gauge.press_target(x, y);
    if (area == nullptr) return;
    held_ = {&gauge, area, 0};
    last_x_ = x;
    last_y_ = y;
    call_rectangle(*area, x, y, kMousePress);
}

void PanelHost::drag(int32_t x, int32_t y) {
    if (held_.gauge == nullptr) return;
    last_x_ = x;
    last_y_ = y;
    const MOUSERECT* rect = held_.area->rect;
    if ((rect->flags & kMouseMove) && rect->handler != nullptr) {
        running_host = this;
        rect->handler(x - held_.area->origin_x, y - held_.area->origin_y, kMouseMove);
    }
}

void PanelHost::release() { held_ = {}; }

void PanelHost::hold_tick() {
    // A held rectangle that repeats does so every 4 updates after a pause of 9.
    constexpr int kPause = 9, kEvery = 4;
    if (held_.gauge == nullptr || !(held_.area->rect->flags & kMouseRepeat)) return;
    ++held_.held_updates;
    if (held_.held_updates >= kPause && (held_.held_updates - kPause) % kEvery == 0)
        call_rectangle(*held_.area, last_x_, last_y_, kMouseRepeat);
}

void PanelHost::send_event(uint32_t id, uint32_t parameter) {
    events_.push_back({id, parameter});
    apply_key_event(vars_, id, parameter);
}

std::vector<SentEvent> PanelHost::take_events() { return std::exchange(events_, {}); }

bool PanelHost::window_open(uint32_t id) const {
    auto it = windows_.find(id);
    return it != windows_.end() && it->second;
}

void PanelHost::set_window(uint32_t id, bool open) { windows_[id] = open; }

std::vector<WindowCall> PanelHost::take_window_calls() { return std::exchange(window_calls_, {}); }

int32_t PanelHost::toggle_window_service(uint32_t id) {
    window_calls_.push_back({WindowCall::Toggle, id});
    windows_[id] = !window_open(id);
    return 1;
}

int32_t PanelHost::open_window_service(uint32_t id) {
    window_calls_.push_back({WindowCall::Open, id});
    windows_[id] = true;
    return 1;
}

int32_t PanelHost::close_window_service(uint32_t id) {
    window_calls_.push_back({WindowCall::Close, id});
    windows_[id] = false;
    return 1;
}

}  // namespace panel

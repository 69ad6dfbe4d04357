// How long the panel host takes for its two regular jobs: one update cycle
// of the core, and a full redraw of a panel window.
//   build/bin/panel_bench
#include <benchmark/benchmark.h>

#include <string>

#include "host/panel_setup.h"
#include "host/render/gauge_renderer.h"

namespace {

struct RadioPanel {
    panel::PanelHost host{PANEL_GAUGE_DIR};
    panel::PanelConfig config = panel::read_panel_config(std::string(PANEL_SOURCE_DIR) + "/aircraft/radio_stack.cfg");
    RadioPanel() {
        panel::set_up_panel(host, config);
        host.press(*host.gauge("Radios!RadioComNav1"), 95, 195);
        host.press(*host.gauge("Radios!RadioComNav2"), 95, 195);
        host.press(*host.gauge("Radios!RadioTrans"), 45, 40);
        host.press(*host.gauge("Radios!RadioTrans"), 45, 40);
        host.press(*host.gauge("Radios!RadioDME"), 325, 95);
        host.release();
        host.update();
    }
};

void core_update_cycle(benchmark::State& state) {
    RadioPanel panel;
    for (auto _ : state) panel.host.update();
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(panel.host.gauges().size()));
    state.SetLabel("items: gauges updated");
}
BENCHMARK(core_update_cycle);

void redraw_window(benchmark::State& state) {
    RadioPanel panel;
    panel::render::Renderer renderer;
    double scale = static_cast<double>(state.range(0)) / 100.0;
    for (auto _ : state) {
        panel.host.update();
        auto image = renderer.window_image(panel.host, panel.config.windows[0], scale, {});
        benchmark::DoNotOptimize(image.get());
    }
    state.SetLabel("window " + std::to_string(panel.config.windows[0].width) + "x" +
                   std::to_string(panel.config.windows[0].height) + " at scale " + std::to_string(scale));
}
BENCHMARK(redraw_window)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void redraw_gauge(benchmark::State& state) {
    RadioPanel panel;
    panel::render::Renderer renderer;
    panel::GaugeState& radio = *panel.host.gauge("Radios!RadioComNav1");
    for (auto _ : state) {
        auto image = renderer.gauge_image(radio, 1.0, {});
        benchmark::DoNotOptimize(image.get());
    }
}
BENCHMARK(redraw_gauge)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

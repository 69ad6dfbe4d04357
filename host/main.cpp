// panelhost: the command line of the panel host.
//
//   panelhost check FILE...     validate module files and list their gauges
//   panelhost run SCRIPT...     run panel scripts
//   panelhost render CONFIG -o OUT.png [--window ID] [--scale S] [--night] [--script FILE]
//                               draw panel windows to a picture
//
// --modules DIR, before or after the other arguments, says where module
// files are found (default: the gauges directory beside the host's bin/).
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/panel_config.h"
#include "host/panel_setup.h"
#include "host/script.h"
#if PANEL_HAS_DRAWING
#include "host/render/gauge_renderer.h"
#endif

namespace {

const char kUsage[] =
    "usage: panelhost [--modules DIR] COMMAND ...\n"
    "  check FILE...      load module files, validate every record, list their gauges\n"
    "  run SCRIPT...      run panel scripts (exit 0: all expectations held, 1: some failed, 2: script error)\n"
    "  render CONFIG -o OUT.png [--window ID] [--scale S] [--night] [--script FILE]\n"
    "                     draw the open panel windows (or one) after an optional script set the state\n";

std::string default_modules_dir() {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "build/gauges";
    return (self.parent_path().parent_path() / "gauges").string();
}

// A module file named by path, or by module name in the modules directory.
std::string module_path(const std::string& arg, const std::string& modules_dir) {
    if (std::filesystem::exists(arg) || arg.find('/') != std::string::npos) return arg;
    return modules_dir + "/" + arg + ".so";
}

int check(const std::vector<std::string>& files, const std::string& modules_dir) {
    if (files.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    int result = 0;
    for (const std::string& arg : files) {
        std::string path = module_path(arg, modules_dir);
        try {
            auto module = panel::Module::open(path);
            for (const auto& g : module->summaries()) {
                std::cout << g.name << " v" << g.version << " " << g.width_mm << "mm " << g.face_width << "x"
                          << g.face_height << " elements=" << g.elements << " rects=" << g.rects << "\n";
            }
        } catch (const panel::InvalidModule& e) {
            for (const auto& fault : e.faults) std::cout << fault << "\n";
            result = 1;
        } catch (const panel::LoadError& e) {
            std::cout << e.what() << "\n";
            result = 1;
        }
    }
    return result;
}

#if PANEL_HAS_DRAWING
// `render` in panel scripts: the gauge as at the last update.
panel::GaugeRenderer script_renderer() {
    auto renderer = std::make_shared<panel::render::Renderer>();
    return [renderer](panel::PanelHost& host, panel::GaugeState& gauge, const std::string& file, double scale) {
        renderer->forget_bitmaps();
        auto image = renderer->gauge_image(gauge, scale, {.night = false, .selection = host.selection()});
        panel::render::write_png(image.get(), file);
    };
}

int render(const std::vector<std::string>& args, const std::string& modules_dir) {
    std::string config_path, out, script;
    std::optional<uint32_t> window;
    double scale = 1.0;
    bool night = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            return args[++i];
        };
        if (a == "-o") out = value();
        else if (a == "--window") window = static_cast<uint32_t>(std::stoul(value()));
        else if (a == "--scale") scale = std::stod(value());
        else if (a == "--night") night = true;
        else if (a == "--script") script = value();
        else if (config_path.empty() && a[0] != '-') config_path = a;
        else throw std::invalid_argument("unexpected argument \"" + a + "\"");
    }
    if (config_path.empty() || out.empty()) throw std::invalid_argument("render needs CONFIG and -o OUT.png");
    if (!(scale > 0 && scale <= 16)) throw std::invalid_argument("--scale must be above 0 and at most 16");

    panel::PanelConfig config = panel::read_panel_config(config_path);
    panel::PanelHost host(modules_dir);
    panel::set_up_panel(host, config);
    int result = 0;
    if (!script.empty()) {
        panel::ScriptOptions options{modules_dir, script_renderer()};
        std::ifstream in(script);
        if (!in) throw std::invalid_argument(script + ": cannot open the script");
        std::stringstream text;
        text << in.rdbuf();
        result = panel::run_script_text(text.str(), script, host, options, std::cout, std::cerr);
        if (result == 2) return 2;
    } else {
        host.update();
    }
    panel::render::Renderer renderer;
    panel::render::DrawOptions draw{.night = night, .selection = host.selection()};
    panel::render::Surface image;
    if (window) {
        const panel::WindowConfig* w = config.window(*window);
        if (w == nullptr) throw std::invalid_argument(config_path + ": no window has ident " + std::to_string(*window));
        image = renderer.window_image(host, *w, scale, draw);
    } else {
        image = renderer.panel_image(host, config, scale, draw);
    }
    panel::render::write_png(image.get(), out);
    std::cout << "wrote " << out << " (" << cairo_image_surface_get_width(image.get()) << "x"
              << cairo_image_surface_get_height(image.get()) << ")\n";
    return result;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args;
    std::string modules_dir = default_modules_dir();
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--modules") {
            if (i + 1 >= argc) {
                std::cerr << "panelhost: --modules needs a directory\n";
                return 2;
            }
            modules_dir = argv[++i];
        } else if (a == "-h" || a == "--help") {
            std::cout << kUsage;
            return 0;
        } else {
            args.push_back(a);
        }
    }
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "check") return check(args, modules_dir);
    if (command == "run") {
        if (args.empty()) {
            std::cerr << kUsage;
            return 2;
        }
        panel::ScriptOptions options;
        options.modules_dir = modules_dir;
#if PANEL_HAS_DRAWING
        options.renderer = script_renderer();
#endif
        return panel::run_scripts(args, options, std::cout, std::cerr);
    }
    if (command == "render") {
#if PANEL_HAS_DRAWING
        try {
            return render(args, modules_dir);
        } catch (const std::invalid_argument& e) {
            std::cerr << "panelhost render: " << e.what() << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
#else
        std::cerr << "panelhost: this panel host was built without drawing\n";
        return 2;
#endif
    }
    std::cerr << "panelhost: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}

// panelhost: the command line of the panel host.
//
//   panelhost check FILE...     validate module files and list their gauges
//   panelhost run SCRIPT...     run panel scripts
//
// --modules DIR, before or after the other arguments, says where module
// files are found (default: the gauges directory beside the host's bin/).
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/script.h"

namespace {

const char kUsage[] =
    "usage: panelhost [--modules DIR] COMMAND ...\n"
    "  check FILE...      load module files, validate every record, list their gauges\n"
    "  run SCRIPT...      run panel scripts (exit 0: all expectations held, 1: some failed, 2: script error)\n";

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
        return panel::run_scripts(args, options, std::cout, std::cerr);
    }
    std::cerr << "panelhost: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}

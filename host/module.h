// A loaded gauge module: its library, its bitmaps and its bound records.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/gauge.h"
#include "host/dylib.h"
#include "host/resources.h"

namespace panel {

// A module whose records are not sound; one message per fault.
struct InvalidModule : LoadError {
    InvalidModule(const std::string& summary, std::vector<std::string> faults);
    std::vector<std::string> faults;
};

// What `check` prints for each gauge.
struct GaugeSummary {
    std::string name;  // "Radios!RadioComNav1"
    uint32_t version = 0;
    uint32_t width_mm = 0;
    int32_t face_width = 0;
    int32_t face_height = 0;
    size_t elements = 0;
    size_t rects = 0;
};

class Module {
public:
    // Opens the module file, reads its bitmaps, binds ImportTable and Linkage
    // and validates every record, without calling anything in the module.
    // Throws LoadError (InvalidModule for unsound records) naming the file.
    static std::unique_ptr<Module> open(const std::string& path);

    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    // Calls the module's shutdown routine if it was started, then unloads it.
    ~Module();

    // Hands the module the services table and calls its initialisation routine.
    void start(PANELS* services);

    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    const ModuleResources& resources() const { return resources_; }
    const std::vector<GaugeSummary>& summaries() const { return summaries_; }
    // The gauge table, in order.
    const std::vector<GAUGEHDR*>& gauges() const { return gauges_; }
    GAUGESLINKAGE* linkage() const { return linkage_; }

private:
    Module(std::string path, Library library, ModuleResources resources);

    std::string path_;
    std::string name_;
    Library library_;
    ModuleResources resources_;
    GAUGESIMPORT* import_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    std::vector<GAUGEHDR*> gauges_;
    std::vector<GaugeSummary> summaries_;
    bool started_ = false;
};

// The module name of a module file: its file name without directory and extension.
std::string module_name_of(const std::string& path);

}  // namespace panel

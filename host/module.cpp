#include "host/module.h"

#include <filesystem>

#include "host/validate.h"

namespace panel {

InvalidModule::InvalidModule(const std::string& summary, std::vector<std::string> all)
    : LoadError(summary), faults(std::move(all)) {}

std::string module_name_of(const std::string& path) { return std::filesystem::path(path).stem().string(); }

Module::Module(std::string path, Library library, ModuleResources resources)
    : path_(std::move(path)), name_(module_name_of(path_)), library_(std::move(library)),
      resources_(std::move(resources)) {}

std::unique_ptr<Module> Module::open(const std::string& path) {
    if (!std::filesystem::exists(path)) throw LoadError(path + ": no such module file");
    ModuleResources resources = read_module_resources(path);
    Library library = Library::open(path);
    std::unique_ptr<Module> module(new Module(path, std::move(library), std::move(resources)));

    AddressSpace space(module->library_.ranges());
    module->import_ = static_cast<GAUGESIMPORT*>(module->library_.symbol("ImportTable"));
    module->linkage_ = static_cast<GAUGESLINKAGE*>(module->library_.symbol("Linkage"));
    std::vector<std::string> faults;
    if (module->import_ == nullptr) faults.push_back(path + ": the module does not export ImportTable");
    if (module->linkage_ == nullptr) faults.push_back(path + ": the module does not export Linkage");
    if (faults.empty()) {
        ValidationResult result = validate_module(module->name_, *module->import_, *module->linkage_,
                                                  module->resources_, space);
        faults = std::move(result.faults);
        module->summaries_ = std::move(result.gauges);
        module->gauges_ = std::move(result.gauge_headers);
    }
    if (!faults.empty()) {
        std::string summary = faults.front();
        for (size_t i = 1; i < faults.size(); ++i) summary += "\n" + faults[i];
        throw InvalidModule(summary, std::move(faults));
    }
    return module;
}

void Module::start(PANELS* services) {
    import_->services = services;
    linkage_->module_init();
    started_ = true;
}

Module::~Module() {
    if (started_) linkage_->module_deinit();
}

}  // namespace panel

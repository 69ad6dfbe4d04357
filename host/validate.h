// Walks every record a module declares before the host uses any of it.
#pragma once

#include <string>
#include <vector>

#include "framework/gauge.h"
#include "host/dylib.h"
#include "host/module.h"
#include "host/resources.h"

namespace panel {

// The memory a module's records may point into: its own loaded segments.
class AddressSpace {
public:
    explicit AddressSpace(std::vector<MappedRange> ranges) : ranges_(std::move(ranges)) {}
    // `size` bytes at `p` lie inside one of the module's segments.
    bool readable(const void* p, size_t size) const;
    // `p` lies inside one of the module's executable segments.
    bool code(const void* p) const;

private:
    std::vector<MappedRange> ranges_;
};

struct ValidationResult {
    std::vector<std::string> faults;
    std::vector<GaugeSummary> gauges;
    std::vector<GAUGEHDR*> gauge_headers;
};

// Every fault names the module, the gauge, the element (its number in draw
// order) or the mouse record (its index in the array), and what is wrong.
ValidationResult validate_module(const std::string& module, const GAUGESIMPORT& import,
                                 const GAUGESLINKAGE& linkage, const ModuleResources& resources,
                                 const AddressSpace& space);

// Names of element kinds, as messages and printouts show them.
const char* element_kind_name(uint32_t kind);

}  // namespace panel

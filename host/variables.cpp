#include "host/variables.h"

#include <algorithm>
#include <cmath>

#include "host/tokens.h"

namespace panel {
namespace {

// Every host variable the panel reads. Frequencies are four binary-coded
// decimal digits with the leading 1 implied: 0x2280 is 122.80 MHz.
constexpr VariableInfo kCatalogue[] = {
    {kTokenTicks, "tick counter", VarType::Float64, "updates", 0},

    // Radios
    {kTokenCom1Frequency, "COM 1 frequency", VarType::Bcd, "MHz (BCD)", 0x2280},
    {kTokenNav1Frequency, "NAV 1 frequency", VarType::Bcd, "MHz (BCD)", 0x1050},
    {kTokenCom2Frequency, "COM 2 frequency", VarType::Bcd, "MHz (BCD)", 0x1830},
    {kTokenNav2Frequency, "NAV 2 frequency", VarType::Bcd, "MHz (BCD)", 0x1130},
    {kTokenAdfFrequency, "ADF frequency, whole kHz", VarType::Bcd, "kHz (BCD)", 0x0350},
    {kTokenAdfTenths, "ADF frequency, tenths digit", VarType::Int32, "0.1 kHz", 0},
    {kTokenAdfSpare, "ADF extended frequency (not shown)", VarType::Int32, "", 0},
    {kTokenTransponderCode, "transponder code", VarType::Bcd, "octal digits (BCD)", 0x1200},
    {kTokenDme1Distance, "DME 1 distance", VarType::Float64, "NM, -1 none", 7.5},
    {kTokenDme1Speed, "DME 1 ground speed", VarType::Float64, "kt", 118},
    {kTokenDme2Distance, "DME 2 distance", VarType::Float64, "NM, -1 none", -1},
    {kTokenDme2Speed, "DME 2 ground speed", VarType::Float64, "kt", 0},
    {kTokenDmeSpare, "DME time to station (not shown)", VarType::Float64, "min", 0},
    {kTokenMarkerBeacon, "marker beacon received", VarType::Float64, "0 none, 1 outer, 2 middle, 3 inner", 0},
    {kTokenAudioCom1, "COM 1 audio", VarType::Float64, "0/1", 1},
    {kTokenAudioCom2, "COM 2 audio", VarType::Float64, "0/1", 0},
    {kTokenAudioNav1, "NAV 1 audio", VarType::Float64, "0/1", 0},
    {kTokenAudioNav2, "NAV 2 audio", VarType::Float64, "0/1", 0},
    {kTokenAudioDme, "DME audio", VarType::Float64, "0/1", 0},
    {kTokenAudioAdf, "ADF audio", VarType::Float64, "0/1", 0},
    {kTokenAudioMarker, "marker audio", VarType::Float64, "0/1", 1},

    // Autopilot
    {kTokenApMaster, "autopilot engaged", VarType::Float64, "0/1", 0},
    {kTokenApNavHold, "autopilot NAV mode", VarType::Float64, "0/1", 0},
    {kTokenApHeadingHold, "autopilot HDG mode", VarType::Float64, "0/1", 0},
    {kTokenHeadingBug, "heading bug", VarType::Float64, "degrees", 0},
    {kTokenApAltitudeHold, "autopilot altitude hold", VarType::Float64, "0/1", 0},
    {kTokenApAltitude, "autopilot altitude setting", VarType::Float64, "ft", 3000},
    {kTokenApApproach, "autopilot approach mode", VarType::Float64, "0/1", 0},
    {kTokenApBackCourse, "autopilot back-course mode", VarType::Float64, "0/1", 0},
    {kTokenApVerticalSpeed, "autopilot vertical-speed setting", VarType::Float64, "ft/min", 0},
};

int32_t to_int32(double value) {
    double t = std::trunc(value);
    if (!(t >= -2147483648.0)) return INT32_MIN;
    if (t > 4294967295.0) return INT32_MAX;
    // Values up to 2^32 - 1 wrap as unsigned bit patterns (0xFFFFFFFF is -1).
    if (t > 2147483647.0) return static_cast<int32_t>(static_cast<uint32_t>(t));
    return static_cast<int32_t>(t);
}

}  // namespace

std::span<const VariableInfo> variable_catalogue() { return kCatalogue; }

const VariableInfo* find_variable(uint32_t token) {
    for (const auto& info : kCatalogue) {
        if (info.token == token) return &info;
    }
    return nullptr;
}

Variables::Variables() {
    for (const auto& info : kCatalogue) values_[info.token] = info.initial;
}

double Variables::get(uint32_t token) const {
    auto it = values_.find(token);
    return it == values_.end() ? 0.0 : it->second;
}

int32_t Variables::get_integer(uint32_t token) const { return to_int32(get(token)); }

void Variables::set(uint32_t token, double value) {
    const VariableInfo* info = find_variable(token);
    if (info != nullptr && info->type != VarType::Float64) value = to_int32(value);
    values_[token] = value;
}

void Variables::fill(MODULE_VAR& var) const {
    const VariableInfo* info = find_variable(var.token);
    var.value.raw = 0;
    if (info == nullptr) return;
    if (info->type == VarType::Float64) {
        var.value.number = get(var.token);
    } else {
        var.value.integer = get_integer(var.token);
    }
    var.host_type = static_cast<uint32_t>(info->type) + 1;
}

double var_number(const MODULE_VAR& var) {
    const VariableInfo* info = find_variable(var.token);
    if (info == nullptr) return 0.0;
    return info->type == VarType::Float64 ? var.value.number : var.value.integer;
}

}  // namespace panel

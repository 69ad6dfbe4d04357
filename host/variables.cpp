#include "host/variables.h"

#include <algorithm>
#include <cmath>

#include "host/tokens.h"

namespace panel {
namespace {

// Every host variable the panel reads. Frequencies are four binary-coded
// decimal digits with the leading 1 implied: 0x2280 is 122.80 MHz.
constexpr VariableInfo kCatalogue[] = {
    {kTokenTicks, "tick counter", VarType::Int32, "updates", 0},
    {kTokenCom1Frequency, "COM 1 frequency", VarType::Bcd, "MHz (BCD)", 0x2280},
    {kTokenNav1Frequency, "NAV 1 frequency", VarType::Bcd, "MHz (BCD)", 0x1050},
    {kTokenNav2Frequency, "NAV 2 frequency", VarType::Bcd, "MHz (BCD)", 0x1130},
    {kTokenCom2Frequency, "COM 2 frequency", VarType::Bcd, "MHz (BCD)", 0x1830},
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

// The host's simulation variables: one catalogue of every token the panel
// reads, and the store that holds their current values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>

#include "framework/gauge.h"

namespace panel {

enum class VarType {
    Float64,  // handed to modules as a 64-bit float
    Int32,    // a 32-bit integer
    Bcd,      // a 32-bit integer holding binary-coded decimal digits
};

struct VariableInfo {
    uint32_t token;
    const char* name;
    VarType type;
    const char* unit;
    double initial;
};

std::span<const VariableInfo> variable_catalogue();
const VariableInfo* find_variable(uint32_t token);

// Current values. Integer-typed variables hold whole numbers within 32 bits.
class Variables {
public:
    Variables();

    double get(uint32_t token) const;
    int32_t get_integer(uint32_t token) const;
    // Stores `value` as the variable's type holds it (integers truncate toward zero).
    void set(uint32_t token, double value);

    // Writes the current value into a module's variable record, typed as the
    // host types that token; an unknown token reads 0.
    void fill(MODULE_VAR& var) const;

private:
    std::unordered_map<uint32_t, double> values_;
};

// A variable record's value as a number, read as the host typed it.
double var_number(const MODULE_VAR& var);

}  // namespace panel

// Conversions of host values for the radio stack's texts.
#pragma once

#include <cstdint>

namespace radios {

// A float value truncated toward zero to a 32-bit integer. Values beyond the
// integer range (and NaN) would be undefined to convert; they are held at the
// range's ends (NaN gives 0), so an absurd host value shows as an absurd but
// bounded number.
constexpr int32_t truncate_to_int32(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// The same into 64 bits, for values whose low bits matter (a speed's low 16 bits).
constexpr int64_t truncate_to_int64(double value) {
    if (!(value == value)) return 0;
    if (value >= 9.2e18) return INT64_MAX;
    if (value <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(value);
}

}  // namespace radios

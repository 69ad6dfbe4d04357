// The host's tick counter, as the radio stack's timers read it.
#pragma once

#include <cstdint>

#include "framework/services.h"
#include "modules/radios/convert.h"

namespace radios {

constexpr uint32_t kTickCounter = 1;

// The tick count, looked up afresh (a float variable).
inline double tick_count() { return read_var(kTickCounter).value.number; }

// A timer start: the tick count truncated toward zero to 32 bits. Counts past
// the 32-bit range wrap (only the low 8 bits of a difference are ever used)
// rather than being undefined to convert.
inline int32_t timer_start(double ticks) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(truncate_to_int64(ticks))));
}

// Ticks since a start: the difference truncated toward zero, reduced to its
// low 8 bits read as a signed number (-128 to 127). The timers compare it for
// equality, so a count that steps past its mark waits for the wrap.
inline int32_t elapsed_ticks(double ticks, int32_t start) {
    int64_t difference = truncate_to_int64(ticks - start);
    return static_cast<int8_t>(static_cast<uint8_t>(difference & 0xFF));
}

}  // namespace radios

// The aircraft systems model: what each key event the panel sends does to
// the host's variables.
#pragma once

#include <cstdint>
#include <span>

#include "host/variables.h"

namespace panel {

struct KeyEventInfo {
    uint32_t id;
    const char* name;
    void (*apply)(Variables& vars, uint32_t parameter);
};

std::span<const KeyEventInfo> key_event_table();
const KeyEventInfo* find_key_event(uint32_t id);

// Applies one event; an event the table does not know changes nothing.
// Returns whether the event is known.
bool apply_key_event(Variables& vars, uint32_t id, uint32_t parameter);

// Binary-coded decimal radio frequencies (four digits, leading 1 implied),
// in hundredths of a megahertz: 0x2345 <-> 12345.
int32_t bcd_frequency_to_hundredths(int32_t bcd);
int32_t hundredths_to_bcd_frequency(int32_t hundredths);

// One step of a tuning knob. Whole steps move one megahertz, wrapping within
// [low_mhz, high_mhz] and keeping the fraction; fraction steps move 0.05 MHz,
// wrapping within .00 to .95 and keeping the megahertz.
int32_t step_whole_mhz(int32_t bcd, int direction, int32_t low_mhz, int32_t high_mhz);
int32_t step_fraction(int32_t bcd, int direction, int32_t low_mhz, int32_t high_mhz);

}  // namespace panel

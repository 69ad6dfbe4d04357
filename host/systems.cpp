#include "host/systems.h"

#include <algorithm>

#include "host/systems/events.h"
#include "host/tokens.h"

#include <vector>

namespace panel {
namespace {

constexpr int32_t kFractionStep = 5;  // hundredths of a megahertz

int32_t wrap(int32_t value, int32_t low, int32_t high) {
    int32_t span = high - low + 1;
    return low + (((value - low) % span) + span) % span;
}

// Splits a frequency into whole megahertz (held within the band) and hundredths.
void split(int32_t bcd, int32_t low_mhz, int32_t high_mhz, int32_t& mhz, int32_t& fraction) {
    int32_t hundredths = bcd_frequency_to_hundredths(bcd);
    mhz = std::clamp(hundredths / 100, low_mhz, high_mhz);
    fraction = hundredths % 100;
}

// Every system's events in one table, made once.
const std::vector<KeyEventInfo>& all_events() {
    static const std::vector<KeyEventInfo> table = [] {
        std::vector<KeyEventInfo> events;
        for (auto part : {systems::radio_events(), systems::autopilot_events()})
            events.insert(events.end(), part.begin(), part.end());
        return events;
    }();
    return table;
}

}  // namespace

int32_t bcd_frequency_to_hundredths(int32_t bcd) {
    int32_t digits = 0;
    for (int shift = 12; shift >= 0; shift -= 4) digits = digits * 10 + ((bcd >> shift) & 15);
    return 10000 + digits;  // the leading 1 of the frequency
}

int32_t hundredths_to_bcd_frequency(int32_t hundredths) {
    int32_t digits = hundredths % 10000;
    int32_t bcd = 0;
    for (int shift = 0; shift <= 12; shift += 4) {
        bcd |= (digits % 10) << shift;
        digits /= 10;
    }
    return bcd;
}

int32_t step_whole_mhz(int32_t bcd, int direction, int32_t low_mhz, int32_t high_mhz) {
    int32_t mhz, fraction;
    split(bcd, low_mhz, high_mhz, mhz, fraction);
    return hundredths_to_bcd_frequency(wrap(mhz + direction, low_mhz, high_mhz) * 100 + fraction);
}

int32_t step_fraction(int32_t bcd, int direction, int32_t low_mhz, int32_t high_mhz) {
    int32_t mhz, fraction;
    split(bcd, low_mhz, high_mhz, mhz, fraction);
    // A fraction off the 0.05 raster moves to the next raster point that way.
    int32_t below = fraction - fraction % kFractionStep;
    int32_t next = direction > 0 ? below + kFractionStep : (fraction % kFractionStep ? below : below - kFractionStep);
    return hundredths_to_bcd_frequency(mhz * 100 + wrap(next, 0, 99));
}

std::span<const KeyEventInfo> key_event_table() { return all_events(); }

const KeyEventInfo* find_key_event(uint32_t id) {
    for (const auto& e : all_events()) {
        if (e.id == id) return &e;
    }
    return nullptr;
}

bool apply_key_event(Variables& vars, uint32_t id, uint32_t parameter) {
    const KeyEventInfo* e = find_key_event(id);
    if (e == nullptr) return false;
    e->apply(vars, parameter);
    return true;
}

}  // namespace panel

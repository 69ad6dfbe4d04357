#include "host/systems.h"

#include <algorithm>

#include "host/tokens.h"

namespace panel {
namespace {

constexpr int32_t kComLowMhz = 118, kComHighMhz = 136;
constexpr int32_t kNavLowMhz = 108, kNavHighMhz = 117;
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

template <uint32_t Token, int Direction, int32_t Low, int32_t High>
void tune_whole(Variables& vars, uint32_t) {
    vars.set(Token, step_whole_mhz(vars.get_integer(Token), Direction, Low, High));
}

template <uint32_t Token, int Direction, int32_t Low, int32_t High>
void tune_fraction(Variables& vars, uint32_t) {
    vars.set(Token, step_fraction(vars.get_integer(Token), Direction, Low, High));
}

constexpr KeyEventInfo kEvents[] = {
    {kEventCom1WholeDec, "COM 1 whole MHz down", tune_whole<kTokenCom1Frequency, -1, kComLowMhz, kComHighMhz>},
    {kEventCom1WholeInc, "COM 1 whole MHz up", tune_whole<kTokenCom1Frequency, +1, kComLowMhz, kComHighMhz>},
    {kEventCom1FractDec, "COM 1 fraction down", tune_fraction<kTokenCom1Frequency, -1, kComLowMhz, kComHighMhz>},
    {kEventCom1FractInc, "COM 1 fraction up", tune_fraction<kTokenCom1Frequency, +1, kComLowMhz, kComHighMhz>},
    {kEventNav1WholeDec, "NAV 1 whole MHz down", tune_whole<kTokenNav1Frequency, -1, kNavLowMhz, kNavHighMhz>},
    {kEventNav1WholeInc, "NAV 1 whole MHz up", tune_whole<kTokenNav1Frequency, +1, kNavLowMhz, kNavHighMhz>},
    {kEventNav1FractDec, "NAV 1 fraction down", tune_fraction<kTokenNav1Frequency, -1, kNavLowMhz, kNavHighMhz>},
    {kEventNav1FractInc, "NAV 1 fraction up", tune_fraction<kTokenNav1Frequency, +1, kNavLowMhz, kNavHighMhz>},
    {kEventNav2WholeDec, "NAV 2 whole MHz down", tune_whole<kTokenNav2Frequency, -1, kNavLowMhz, kNavHighMhz>},
    {kEventNav2WholeInc, "NAV 2 whole MHz up", tune_whole<kTokenNav2Frequency, +1, kNavLowMhz, kNavHighMhz>},
    {kEventNav2FractDec, "NAV 2 fraction down", tune_fraction<kTokenNav2Frequency, -1, kNavLowMhz, kNavHighMhz>},
    {kEventNav2FractInc, "NAV 2 fraction up", tune_fraction<kTokenNav2Frequency, +1, kNavLowMhz, kNavHighMhz>},
    {kEventCom2WholeDec, "COM 2 whole MHz down", tune_whole<kTokenCom2Frequency, -1, kComLowMhz, kComHighMhz>},
    {kEventCom2WholeInc, "COM 2 whole MHz up", tune_whole<kTokenCom2Frequency, +1, kComLowMhz, kComHighMhz>},
    {kEventCom2FractDec, "COM 2 fraction down", tune_fraction<kTokenCom2Frequency, -1, kComLowMhz, kComHighMhz>},
    {kEventCom2FractInc, "COM 2 fraction up", tune_fraction<kTokenCom2Frequency, +1, kComLowMhz, kComHighMhz>},
};

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

std::span<const KeyEventInfo> key_event_table() { return kEvents; }

const KeyEventInfo* find_key_event(uint32_t id) {
    for (const auto& e : kEvents) {
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

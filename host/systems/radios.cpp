// Radios: COM/NAV tuning, the ADF frequency, the transponder code and the
// audio panel's switches.
#include <algorithm>

#include "host/systems/events.h"
#include "host/tokens.h"

namespace panel::systems {
namespace {

constexpr int32_t kComLowMhz = 118, kComHighMhz = 136;
constexpr int32_t kNavLowMhz = 108, kNavHighMhz = 117;

template <uint32_t Token, int Direction, int32_t Low, int32_t High>
void tune_whole(Variables& vars, uint32_t) {
    vars.set(Token, step_whole_mhz(vars.get_integer(Token), Direction, Low, High));
}

template <uint32_t Token, int Direction, int32_t Low, int32_t High>
void tune_fraction(Variables& vars, uint32_t) {
    vars.set(Token, step_fraction(vars.get_integer(Token), Direction, Low, High));
}

// One digit of a binary-coded decimal value stepped up, wrapping within
// 0..top and leaving the other digits alone.
int32_t step_digit(int32_t bcd, int shift, int32_t top) {
    int32_t digit = (bcd >> shift) & 15;
    digit = digit >= top ? 0 : digit + 1;
    return (bcd & ~(15 << shift)) | (digit << shift);
}

// Transponder codes are four octal digits: each knob steps its drum 0 to 7.
template <int Shift>
void transponder_digit(Variables& vars, uint32_t) {
    vars.set(kTokenTransponderCode, step_digit(vars.get_integer(kTokenTransponderCode), Shift, 7));
}

// The ADF receives 100 to 1799 kHz. The hundreds knob carries into the
// thousands and wraps from 17xx back to 1xx; the others step one digit.
void adf_hundreds(Variables& vars, uint32_t) {
    int32_t v = vars.get_integer(kTokenAdfFrequency);
    int32_t hundreds = ((v >> 12) & 15) * 10 + ((v >> 8) & 15);
    hundreds = hundreds >= 17 ? 1 : std::max(hundreds + 1, 1);
    vars.set(kTokenAdfFrequency, (v & 0xFF) | ((hundreds / 10) << 12) | ((hundreds % 10) << 8));
}

template <int Shift>
void adf_digit(Variables& vars, uint32_t) {
    vars.set(kTokenAdfFrequency, step_digit(vars.get_integer(kTokenAdfFrequency), Shift, 9));
}

void adf_tenths(Variables& vars, uint32_t) {
    vars.set(kTokenAdfTenths, step_digit(vars.get_integer(kTokenAdfTenths) & 15, 0, 9));
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

    {kEventAdfHundredsInc, "ADF hundreds up", adf_hundreds},
    {kEventAdfTensInc, "ADF tens up", adf_digit<4>},
    {kEventAdfUnitsInc, "ADF units up", adf_digit<0>},
    {kEventAdfTenthsInc, "ADF tenths up", adf_tenths},

    {kEventTransponderThousandsInc, "transponder thousands up", transponder_digit<12>},
    {kEventTransponderHundredsInc, "transponder hundreds up", transponder_digit<8>},
    {kEventTransponderTensInc, "transponder tens up", transponder_digit<4>},
    {kEventTransponderUnitsInc, "transponder units up", transponder_digit<0>},

    {kEventAudioCom1, "COM 1 audio on/off", toggle<kTokenAudioCom1>},
    {kEventAudioCom2, "COM 2 audio on/off", toggle<kTokenAudioCom2>},
    {kEventAudioNav1, "NAV 1 audio on/off", toggle<kTokenAudioNav1>},
    {kEventAudioNav2, "NAV 2 audio on/off", toggle<kTokenAudioNav2>},
    {kEventAudioDme, "DME audio on/off", toggle<kTokenAudioDme>},
    {kEventAudioAdf, "ADF audio on/off", toggle<kTokenAudioAdf>},
    {kEventAudioMarker, "marker audio on/off", toggle<kTokenAudioMarker>},
};

}  // namespace

std::span<const KeyEventInfo> radio_events() { return kEvents; }

}  // namespace panel::systems

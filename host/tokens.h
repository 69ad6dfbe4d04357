// The host's numbers for the variables and key events the panel uses.
#pragma once

#include <cstdint>

namespace panel {

constexpr uint32_t kTokenTicks = 1;
constexpr uint32_t kTokenCom1Frequency = 23;
constexpr uint32_t kTokenNav1Frequency = 24;
constexpr uint32_t kTokenNav2Frequency = 27;
constexpr uint32_t kTokenCom2Frequency = 870;

constexpr uint32_t kEventCom1WholeDec = 65636;
constexpr uint32_t kEventCom1WholeInc = 65637;
constexpr uint32_t kEventCom1FractDec = 65638;
constexpr uint32_t kEventCom1FractInc = 65639;
constexpr uint32_t kEventNav1WholeDec = 65640;
constexpr uint32_t kEventNav1WholeInc = 65641;
constexpr uint32_t kEventNav1FractDec = 65642;
constexpr uint32_t kEventNav1FractInc = 65643;
constexpr uint32_t kEventNav2WholeDec = 65644;
constexpr uint32_t kEventNav2WholeInc = 65645;
constexpr uint32_t kEventNav2FractDec = 65646;
constexpr uint32_t kEventNav2FractInc = 65647;
constexpr uint32_t kEventCom2WholeDec = 66436;
constexpr uint32_t kEventCom2WholeInc = 66437;
constexpr uint32_t kEventCom2FractDec = 66438;
constexpr uint32_t kEventCom2FractInc = 66440;

}  // namespace panel

// The host's numbers for the variables and key events the panel uses.
#pragma once

#include <cstdint>

namespace panel {

// -- variables ---------------------------------------------------------------
constexpr uint32_t kTokenTicks = 1;

// Radios: frequencies and the transponder code in binary-coded decimal.
constexpr uint32_t kTokenAdfFrequency = 16;
constexpr uint32_t kTokenAdfSpare = 17;
constexpr uint32_t kTokenAdfTenths = 18;
constexpr uint32_t kTokenCom1Frequency = 23;
constexpr uint32_t kTokenNav1Frequency = 24;
constexpr uint32_t kTokenNav2Frequency = 27;
constexpr uint32_t kTokenDme1Distance = 31;
constexpr uint32_t kTokenDme1Speed = 32;
constexpr uint32_t kTokenDme2Distance = 35;
constexpr uint32_t kTokenDme2Speed = 36;
constexpr uint32_t kTokenTransponderCode = 38;
constexpr uint32_t kTokenMarkerBeacon = 354;
constexpr uint32_t kTokenDmeSpare = 355;
constexpr uint32_t kTokenCom2Frequency = 870;
constexpr uint32_t kTokenAudioCom1 = 874;
constexpr uint32_t kTokenAudioCom2 = 875;
constexpr uint32_t kTokenAudioNav1 = 877;
constexpr uint32_t kTokenAudioNav2 = 878;
constexpr uint32_t kTokenAudioDme = 879;
constexpr uint32_t kTokenAudioAdf = 880;
constexpr uint32_t kTokenAudioMarker = 881;

// Autopilot.
constexpr uint32_t kTokenApMaster = 103;
constexpr uint32_t kTokenApNavHold = 105;
constexpr uint32_t kTokenApHeadingHold = 106;
constexpr uint32_t kTokenHeadingBug = 107;
constexpr uint32_t kTokenApAltitudeHold = 108;
constexpr uint32_t kTokenApAltitude = 109;
constexpr uint32_t kTokenApApproach = 112;
constexpr uint32_t kTokenApBackCourse = 113;
constexpr uint32_t kTokenApVerticalSpeed = 120;

// -- key events ----------------------------------------------------------------
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

constexpr uint32_t kEventAdfHundredsInc = 65648;
constexpr uint32_t kEventAdfTensInc = 65649;
constexpr uint32_t kEventAdfUnitsInc = 65650;
constexpr uint32_t kEventAdfTenthsInc = 66453;

constexpr uint32_t kEventTransponderThousandsInc = 65651;
constexpr uint32_t kEventTransponderHundredsInc = 65652;
constexpr uint32_t kEventTransponderTensInc = 65653;
constexpr uint32_t kEventTransponderUnitsInc = 65654;

constexpr uint32_t kEventApMaster = 65580;
constexpr uint32_t kEventApApproach = 65724;
constexpr uint32_t kEventApBackCourse = 65728;
constexpr uint32_t kEventApNavHold = 65729;
constexpr uint32_t kEventApHeadingHold = 65798;
constexpr uint32_t kEventApAltitudeHold = 65799;
constexpr uint32_t kEventHeadingBugInc = 65879;
constexpr uint32_t kEventHeadingBugDec = 65880;
constexpr uint32_t kEventApAltitudeInc = 65892;
constexpr uint32_t kEventApAltitudeDec = 65893;
constexpr uint32_t kEventApVerticalSpeedInc = 65894;
constexpr uint32_t kEventApVerticalSpeedDec = 65895;

constexpr uint32_t kEventAudioNav1 = 65842;
constexpr uint32_t kEventAudioNav2 = 65843;
constexpr uint32_t kEventAudioDme = 65844;
constexpr uint32_t kEventAudioAdf = 65846;
constexpr uint32_t kEventAudioCom1 = 66463;
constexpr uint32_t kEventAudioCom2 = 66464;
constexpr uint32_t kEventAudioMarker = 66477;

}  // namespace panel

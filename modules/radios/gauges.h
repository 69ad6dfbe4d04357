// The radio stack's gauges, in the order of the module's gauge table.
#pragma once

#include "framework/linkage.h"

namespace radios {

extern GAUGEHDR comnav1_gauge;     // "RadioComNav1"
extern GAUGEHDR comnav2_gauge;     // "RadioComNav2"
extern GAUGEHDR transponder_gauge; // "RadioTrans"
extern GAUGEHDR adf_gauge;         // "RadioAdf"
extern GAUGEHDR autopilot_gauge;   // "RadioAP"
extern GAUGEHDR dme_gauge;         // "RadioDME"
extern GAUGEHDR audio_gauge;       // "AudioPanel"
extern GAUGEHDR autopilot2_gauge;  // "RadioAP2"

}  // namespace radios

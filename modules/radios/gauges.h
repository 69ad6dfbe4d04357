// The radio stack's gauges, in the order of the module's gauge table.
#pragma once

#include "framework/linkage.h"

namespace radios {

extern GAUGEHDR comnav1_gauge;
extern GAUGEHDR comnav2_gauge;

}  // namespace radios

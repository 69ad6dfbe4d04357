// The artwork of the radio stack's autopilot2 (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::autopilot2_drawings() { return {}; }

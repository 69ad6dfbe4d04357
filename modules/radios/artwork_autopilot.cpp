// The artwork of the radio stack's autopilot (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::autopilot_drawings() { return {}; }

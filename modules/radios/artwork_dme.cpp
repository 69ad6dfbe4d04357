// The artwork of the radio stack's dme (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::dme_drawings() { return {}; }

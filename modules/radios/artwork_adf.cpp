// The artwork of the radio stack's adf (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::adf_drawings() { return {}; }

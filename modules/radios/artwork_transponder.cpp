// The artwork of the radio stack's transponder (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::transponder_drawings() { return {}; }

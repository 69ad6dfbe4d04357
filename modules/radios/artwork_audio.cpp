// The artwork of the radio stack's audio (to be drawn).
#include "modules/radios/artwork_parts.h"

std::vector<art::Drawing> radios::audio_drawings() { return {}; }

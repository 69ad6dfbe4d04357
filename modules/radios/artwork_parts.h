// The radio stack's artwork is drawn in one file per instrument; each
// provides its drawings here and artwork.cpp puts them together.
#pragma once

#include <vector>

#include "art/module_artwork.h"

namespace radios {

std::vector<art::Drawing> comnav_drawings();       // artwork_comnav.cpp
std::vector<art::Drawing> transponder_drawings();  // artwork_transponder.cpp
std::vector<art::Drawing> adf_drawings();          // artwork_adf.cpp
std::vector<art::Drawing> dme_drawings();          // artwork_dme.cpp
std::vector<art::Drawing> audio_drawings();        // artwork_audio.cpp
std::vector<art::Drawing> autopilot_drawings();    // artwork_autopilot.cpp
std::vector<art::Drawing> autopilot2_drawings();   // artwork_autopilot2.cpp

// Plain plates for the bitmaps no instrument file draws yet.
std::vector<art::Drawing> placeholder_drawings(const std::vector<art::Drawing>& drawn);

}  // namespace radios

// The radio stack's artwork is drawn in one file per instrument; each
// provides its drawings here and artwork.cpp puts them together.
#pragma once

#include <vector>

#include "art/module_artwork.h"

namespace radios {

std::vector<art::Drawing> placeholder_drawings();

}  // namespace radios

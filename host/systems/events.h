// The systems model's event tables, one per aircraft system; host/systems.cpp
// puts them together.
#pragma once

#include <span>

#include "host/systems.h"

namespace panel::systems {

std::span<const KeyEventInfo> radio_events();
std::span<const KeyEventInfo> autopilot_events();

// A 0/1 switch variable flipped by its event.
template <uint32_t Token>
void toggle(Variables& vars, uint32_t) {
    vars.set(Token, vars.get(Token) != 0 ? 0 : 1);
}

}  // namespace panel::systems

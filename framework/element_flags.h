// Element-flag helpers: show and hide one element of a gauge's tree by
// setting or clearing bits of its image flags. Carried by the version-700
// modules only.
#pragma once

#include "framework/gauge.h"

// The element reached from `element` by `depth` steps, each to the first
// child; null if `element` is null or a step finds no child list.
ELEMENT_HEADER* element_at_depth(ELEMENT_HEADER* element, uint32_t depth);

// Set (OR) or clear (AND NOT) `bits` in that element's image flags; nothing
// happens when there is no such element. Only that element changes.
void set_element_flags(ELEMENT_HEADER* element, uint32_t depth, uint32_t bits);
void clear_element_flags(ELEMENT_HEADER* element, uint32_t depth, uint32_t bits);

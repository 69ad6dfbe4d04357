#include "framework/element_flags.h"

ELEMENT_HEADER* element_at_depth(ELEMENT_HEADER* element, uint32_t depth) {
    for (uint32_t step = 0; element != nullptr && step < depth; ++step) {
        element = element->children != nullptr ? element->children[0] : nullptr;
    }
    return element;
}

void set_element_flags(ELEMENT_HEADER* element, uint32_t depth, uint32_t bits) {
    if (ELEMENT_HEADER* found = element_at_depth(element, depth)) found->image_flags |= bits;
}

void clear_element_flags(ELEMENT_HEADER* element, uint32_t depth, uint32_t bits) {
    if (ELEMENT_HEADER* found = element_at_depth(element, depth)) found->image_flags &= ~bits;
}

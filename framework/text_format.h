// The bounded text formatter every string callback uses.
//
// It writes at most `max_length` characters and the terminating NUL, keeping
// the first `max_length` characters of a longer text, so an out-of-range
// value (a frequency digit above 9, a distance of 1000 miles) can never run
// past the element's text buffer.
#pragma once

#include <cstddef>

#include "framework/gauge.h"

// Formats printf-style into `buffer`, which has room for max_length + 1
// bytes. Returns the number of characters written. A null buffer writes nothing.
size_t format_bounded(char* buffer, size_t max_length, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Formats into a string element's text buffer, bounded by its maximum length.
size_t format_text(ELEMENT_STRING* element, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The empty text.
void clear_text(ELEMENT_STRING* element);

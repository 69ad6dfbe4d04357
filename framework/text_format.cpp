#include "framework/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace {

size_t format_bounded_v(char* buffer, size_t max_length, const char* format, va_list args) {
    if (buffer == nullptr) return 0;
    int wanted = std::vsnprintf(buffer, max_length + 1, format, args);
    if (wanted < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(wanted) < max_length ? static_cast<size_t>(wanted) : max_length;
}

}  // namespace

size_t format_bounded(char* buffer, size_t max_length, const char* format, ...) {
    va_list args;
    va_start(args, format);
    size_t written = format_bounded_v(buffer, max_length, format, args);
    va_end(args);
    return written;
}

size_t format_text(ELEMENT_STRING* element, const char* format, ...) {
    va_list args;
    va_start(args, format);
    size_t written = format_bounded_v(element->text, element->max_length, format, args);
    va_end(args);
    return written;
}

void clear_text(ELEMENT_STRING* element) {
    if (element->text != nullptr) element->text[0] = '\0';
}

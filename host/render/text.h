// Drawing a string element's text: its font, its box, its colours and the
// characters the host's selection highlights.
#pragma once

#include <cairo.h>

#include <string>

#include "framework/gauge.h"

namespace panel::render {

// The installed font that stands for a gauge's font name: "Quartz" is
// drawn with DSEG14 Classic, "arial" with Liberation Sans; other names as they are.
std::string font_family(const char* face);

// Draws `text` in the element's box (gauge coordinates), centred on one line,
// sized to fit the box. A black background is transparent; another colour
// fills the box behind a non-empty text only.
void draw_text(cairo_t* cr, const ELEMENT_STRING& element, const std::string& text, int32_t selection);

}  // namespace panel::render

#include "host/render/text.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace panel::render {
namespace {

void set_colour(cairo_t* cr, uint32_t colour) {
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, ((colour >> 16) & 0xFF) / 255.0);
}

bool highlighted(const HIGHLIGHT* list, int32_t selection, size_t index) {
    if (list == nullptr || selection == 0) return false;
    for (; !(list->selection == 0 && list->first == 0 && list->last == 0); ++list) {
        auto i = static_cast<int32_t>(index);
        if (list->selection == selection && i >= list->first && i <= list->last) return true;
    }
    return false;
}

// The font size at which a text of the element's full length fits its box.
double fitting_size(cairo_t* cr, const ELEMENT_STRING& element) {
    std::string widest(std::max<uint32_t>(element.max_length, 1), '8');
    cairo_set_font_size(cr, 100.0);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, widest.c_str(), &extents);
    double by_width = extents.x_advance > 0 ? 100.0 * element.size.width * 0.94 / extents.x_advance : 100.0;
    double glyph_height = font.ascent > 0 ? font.ascent : 100.0;
    double by_height = 100.0 * element.size.height * 0.72 / glyph_height;
    return std::min(by_width, by_height);
}

}  // namespace

std::string font_family(const char* face) {
    std::string name(face, strnlen(face, kFontFaceSize));
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "quartz") return "DSEG14 Classic";
    if (lower == "arial") return "Liberation Sans";
    return name;
}

void draw_text(cairo_t* cr, const ELEMENT_STRING& element, const std::string& text, int32_t selection) {
    if (text.empty()) return;
    double x0 = element.header.position.x, y0 = element.header.position.y;
    double w = element.size.width, h = element.size.height;
    cairo_save(cr);
    if ((element.background & 0xFFFFFF) != 0) {
        set_colour(cr, element.background);
        cairo_rectangle(cr, x0, y0, w, h);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x0, y0, w, h);
    cairo_clip(cr);
    cairo_select_font_face(cr, font_family(element.font_face).c_str(), CAIRO_FONT_SLANT_NORMAL,
                           element.font_weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, fitting_size(cr, element));
    cairo_text_extents_t whole;
    cairo_text_extents(cr, text.c_str(), &whole);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double x = x0 + (w - whole.x_advance) / 2.0;
    double baseline = y0 + (h + font.ascent - font.descent) / 2.0;
    for (size_t i = 0; i < text.size(); ++i) {
        std::string one(1, text[i]);
        set_colour(cr, highlighted(element.highlights, selection, i) ? element.highlight_colour : element.foreground);
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, one.c_str());
        cairo_text_extents_t glyph;
        cairo_text_extents(cr, one.c_str(), &glyph);
        x += glyph.x_advance;
    }
    cairo_restore(cr);
}

}  // namespace panel::render

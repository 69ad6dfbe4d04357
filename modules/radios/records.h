// Builders for the radio stack's records, so that each gauge's tables read
// like the tables of the instrument: a record per line, in draw order.
#pragma once

#include "framework/gauge.h"

namespace radios {

constexpr MODULE_VAR module_var(uint32_t token) {
    return MODULE_VAR{.token = token, .host_reference = nullptr, .host_type = 0, .value = {}, .previous_value = {}};
}

// The header every element starts with; host fields zero.
constexpr ELEMENT_HEADER element(uint32_t kind, int32_t bitmap, PIXPOINT position, GAUGEHDR* gauge, uint32_t image_flags,
                                 const FAILURE_RECORD* failures = nullptr, ELEMENT_HEADER** children = nullptr,
                                 uint32_t special_flags = 0) {
    return ELEMENT_HEADER{.kind = kind, .bitmap = bitmap, .position = position, .previous_position = {}, .offset = {},
                          .gauge = gauge, .previous_element = nullptr, .children = children, .failures = failures,
                          .image_flags = image_flags, .special_flags = special_flags, .host_reserved = 0};
}

constexpr ELEMENT_STATIC_IMAGE static_image(GAUGEHDR* gauge, int32_t bitmap, PIXPOINT position, uint32_t image_flags,
                                            ELEMENT_HEADER** children = nullptr) {
    return ELEMENT_STATIC_IMAGE{element(kElementStaticImage, bitmap, position, gauge, image_flags, nullptr, children)};
}

constexpr ELEMENT_ICON icon(GAUGEHDR* gauge, int32_t bitmap, uint32_t icon_count, PIXPOINT position,
                            uint32_t image_flags, const FAILURE_RECORD* failures, uint32_t token,
                            IconCallback callback, ELEMENT_HEADER** children = nullptr) {
    return ELEMENT_ICON{.header = element(kElementIcon, bitmap, position, gauge, image_flags, failures, children),
                        .source = module_var(token), .host_reserved = 0, .switch_type = 0, .host_conversion = {},
                        .icon_count = icon_count, .host_state = {}, .callback = callback};
}

// Every display string of the radio stack: "Quartz", weight 400, character
// set 1, one centred line (0x25), black background.
struct DisplayText {
    PIXPOINT position;
    PIXSIZE size;
    uint32_t image_flags;
    const FAILURE_RECORD* failures;
    uint32_t tokens[3];
    uint32_t foreground;
    uint32_t highlight;
    uint32_t max_length;
    const HIGHLIGHT* highlights;
    StringCallback callback;
    uint32_t special_flags = 0;
    ELEMENT_HEADER** children = nullptr;
};

constexpr ELEMENT_STRING display_string(GAUGEHDR* gauge, const DisplayText& t) {
    return ELEMENT_STRING{
        .header = element(kElementString, -1, t.position, gauge, t.image_flags, t.failures, t.children, t.special_flags),
        .source = {module_var(t.tokens[0]), module_var(t.tokens[1]), module_var(t.tokens[2])},
        .host_value = {},
        .text = nullptr,
        .host_previous_text = 0,
        .size = t.size,
        .host_surface = 0,
        .foreground = t.foreground,
        .background = rgb(0, 0, 0),
        .highlight_colour = t.highlight,
        .host_font = 0,
        .font_face = "Quartz",
        .font_weight = 400,
        .charset = 1,
        .draw_flags = 0x25,
        .max_length = t.max_length,
        .host_length = 0,
        .highlights = t.highlights,
        .host_selection = 0,
        .callback = t.callback,
    };
}

// -- mouse rectangles ----------------------------------------------------------

constexpr MOUSERECT mouse_parent(MOUSE_BOX box, uint32_t help_id = 0) {
    return MOUSERECT{.type = kMouseParent, .box = box, .cursor = kCursorNone, .help_id = help_id, .flags = 0,
                     .event_id = 0, .handler = nullptr, .host_reserved = 0};
}

// A child that makes the host send an event.
constexpr MOUSERECT mouse_event(MOUSE_BOX box, int32_t cursor, uint32_t flags, uint32_t event_id) {
    return MOUSERECT{.type = kMouseChild, .box = box, .cursor = cursor, .help_id = 0, .flags = flags,
                     .event_id = event_id, .handler = nullptr, .host_reserved = 0};
}

// A child that calls the module's handler.
constexpr MOUSERECT mouse_handler(MOUSE_BOX box, int32_t cursor, uint32_t flags, MouseHandler handler) {
    return MOUSERECT{.type = kMouseChild, .box = box, .cursor = cursor, .help_id = 0, .flags = flags, .event_id = 0,
                     .handler = handler, .host_reserved = 0};
}

// Mouse flags of the panel: a plain click, and a stepping area that repeats while held.
constexpr uint32_t kClick = kMousePress;
constexpr uint32_t kStep = kMousePress | kMouseRepeat;

// Failure keys of the radio stack: the electrics and the avionics bus.
constexpr uint32_t kFailElectrical = 20;
constexpr uint32_t kFailAvionics = 21;

}  // namespace radios

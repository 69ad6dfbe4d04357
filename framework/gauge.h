// The gauge records: everything a module declares and the host reads.
//
// A gauge is a header, a tree of display elements drawn in pre-order, and a
// flat array of mouse rectangles. Modules declare these records as static,
// constant-initialised data; the host fills its own working fields and the
// values of the variables the elements name, then calls the callbacks.
//
// Field comments say who writes a field and when:
//   module: declared       set in the module's declaration, never changed
//   module: run time       changed by module code while the gauge is shown
//   host: filled           zero in the declaration, set by the host before any callback
//   host: working field    zero in the declaration, the host's alone; modules never read it
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/platform.h"

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct ELEMENT_NEEDLE;
struct ELEMENT_STRING;
struct ELEMENT_SLIDER;
struct ELEMENT_ICON;
struct ELEMENT_MOVING_IMAGE;
struct ELEMENT_SPRITE;

// ---------------------------------------------------------------------------
// Small shared pieces

struct PIXPOINT {
    int32_t x;
    int32_t y;
};

struct PIXSIZE {
    int32_t width;
    int32_t height;
};

// A colour reference: red in the low byte, then green, then blue.
constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// ---------------------------------------------------------------------------
// A reference to one host variable.

union VAR_VALUE {
    // Float-typed variables.
    double number;
    // Integer-typed variables (binary-coded decimal ones too), in the first four bytes.
    int32_t integer;
    uint64_t raw;
};
static_assert(sizeof(VAR_VALUE) == 8);

struct MODULE_VAR {
    // module: declared. The host's number for the variable; 0 means none.
    uint32_t token;
    // host: working field.
    void* host_reference;
    // host: working field.
    uint32_t host_type;
    // host: filled before every callback that reads this record, and by lookup_var.
    VAR_VALUE value;
    // host: working field.
    VAR_VALUE previous_value;
};
static_assert(offsetof(MODULE_VAR, token) < offsetof(MODULE_VAR, host_reference));
static_assert(offsetof(MODULE_VAR, host_reference) < offsetof(MODULE_VAR, host_type));
static_assert(offsetof(MODULE_VAR, host_type) < offsetof(MODULE_VAR, value));
static_assert(offsetof(MODULE_VAR, value) < offsetof(MODULE_VAR, previous_value));

// ---------------------------------------------------------------------------
// Callback signatures. Element callbacks take their own element record and
// return the element's value for this update.

using NeedleCallback = double(GAUGE_CALL*)(ELEMENT_NEEDLE* element);
using StringCallback = double(GAUGE_CALL*)(ELEMENT_STRING* element);
using SliderCallback = double(GAUGE_CALL*)(ELEMENT_SLIDER* element);
using IconCallback = double(GAUGE_CALL*)(ELEMENT_ICON* element);
using MovingImageCallback = double(GAUGE_CALL*)(ELEMENT_MOVING_IMAGE* element);
using SpriteCallback = double(GAUGE_CALL*)(ELEMENT_SPRITE* element);
using GaugeCallback = void(GAUGE_CALL*)(GAUGEHDR* gauge, int32_t service, uint32_t extra);
// Position measured from the top-left corner of the rectangle whose handler
// is called; flags are the mouse flags of this call.
using MouseHandler = int32_t(GAUGE_CALL*)(int32_t x, int32_t y, uint32_t flags);

using GaugeRoutine = int32_t(GAUGE_CALL*)();
using GaugeRoutineWithValue = int32_t(GAUGE_CALL*)(uint32_t value);

// ---------------------------------------------------------------------------
// Element header, common to all seven kinds.

enum ElementKind : uint32_t {
    kElementStaticImage = 0,
    kElementNeedle = 1,
    kElementString = 2,
    kElementSlider = 3,
    kElementIcon = 4,
    kElementMovingImage = 5,
    kElementSprite = 6,
};

// Image flags the modules declare, and the one the host and the element-flag
// helpers use at run time.
enum ImageFlag : uint32_t {
    kImageTransparent = 0x1,      // pure black is not drawn
    kImageKeepsLight = 0x4,       // keeps its own light at night
    kImageHidden = 0x40000000,    // the element is not drawn (its children still are)
};

// A failure list is a run of these ended by a record whose key is 0.
struct FAILURE_RECORD {
    // module: declared. The host's number of a simulated system failure (2 to 21).
    uint32_t key;
    // module: declared. 0 freeze, 1 zero, 2 not drawn, 3 darkened.
    uint32_t action;
    // module: declared zero.
    uint32_t reserved;
};

struct ELEMENT_HEADER {
    // module: declared. One of ElementKind.
    uint32_t kind;
    // module: declared. Bitmap resource id; -1 for strings.
    int32_t bitmap;
    // module: declared. Gauge coordinates: top-left corner, a needle's pivot,
    // or the point a sprite's offset is measured from.
    PIXPOINT position;
    // host: working field.
    PIXPOINT previous_position;
    // module: declared. A needle's pivot inside its bitmap; the face point on
    // which a sprite's centre sits; zero for the other kinds.
    PIXPOINT offset;
    // module: declared. The gauge whose tree holds this element.
    GAUGEHDR* gauge;
    // host: working field.
    ELEMENT_HEADER* previous_element;
    // module: declared. NULL-terminated list of 1 to 10 children, or null.
    ELEMENT_HEADER** children;
    // module: declared. Failure list, or null.
    const FAILURE_RECORD* failures;
    // module: declared; module: run time through the element-flag helpers.
    uint32_t image_flags;
    // module: declared. Special-instrumentation flags.
    uint32_t special_flags;
    // host: working field.
    uint32_t host_reserved;
};
static_assert(offsetof(ELEMENT_HEADER, kind) < offsetof(ELEMENT_HEADER, bitmap));
static_assert(offsetof(ELEMENT_HEADER, bitmap) < offsetof(ELEMENT_HEADER, position));
static_assert(offsetof(ELEMENT_HEADER, position) < offsetof(ELEMENT_HEADER, previous_position));
static_assert(offsetof(ELEMENT_HEADER, previous_position) < offsetof(ELEMENT_HEADER, offset));
static_assert(offsetof(ELEMENT_HEADER, offset) < offsetof(ELEMENT_HEADER, gauge));
static_assert(offsetof(ELEMENT_HEADER, gauge) < offsetof(ELEMENT_HEADER, previous_element));
static_assert(offsetof(ELEMENT_HEADER, previous_element) < offsetof(ELEMENT_HEADER, children));
static_assert(offsetof(ELEMENT_HEADER, children) < offsetof(ELEMENT_HEADER, failures));
static_assert(offsetof(ELEMENT_HEADER, failures) < offsetof(ELEMENT_HEADER, image_flags));
static_assert(offsetof(ELEMENT_HEADER, image_flags) < offsetof(ELEMENT_HEADER, special_flags));
static_assert(offsetof(ELEMENT_HEADER, special_flags) < offsetof(ELEMENT_HEADER, host_reserved));

// ---------------------------------------------------------------------------
// Static image: the header alone.

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
};

// ---------------------------------------------------------------------------
// Needle

// One calibration entry: the face pixel the needle points at for this value.
struct NONLINEARITY {
    // module: declared.
    PIXPOINT point;
    // module: declared.
    double value;
    // host: working field.
    uint64_t host_angle;
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    // module: declared token; host: filled value.
    MODULE_VAR source;
    // host: working fields.
    uint64_t host_value[2];
    // module: declared. Calibration table, or null (the value is then degrees).
    NONLINEARITY* calibration;
    // module: declared. Entries in the calibration table.
    uint32_t calibration_entries;
    // module: declared. Most the needle moves per update; 0 for no limit.
    int32_t rate_limit;
    // host: working fields.
    uint64_t host_angle[2];
    // module: declared, optional.
    NeedleCallback callback;
};
static_assert(offsetof(ELEMENT_NEEDLE, source) < offsetof(ELEMENT_NEEDLE, calibration));
static_assert(offsetof(ELEMENT_NEEDLE, calibration) < offsetof(ELEMENT_NEEDLE, calibration_entries));
static_assert(offsetof(ELEMENT_NEEDLE, calibration_entries) < offsetof(ELEMENT_NEEDLE, rate_limit));
static_assert(offsetof(ELEMENT_NEEDLE, rate_limit) < offsetof(ELEMENT_NEEDLE, callback));

// ---------------------------------------------------------------------------
// String

// Characters first..last (from 0, both included) are drawn in the highlight
// colour while the host's selection equals `selection`. Ended by (0,0,0).
struct HIGHLIGHT {
    int32_t selection;
    int32_t first;
    int32_t last;
};

constexpr uint32_t kFontFaceSize = 32;

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    // module: declared tokens (0 for an unused slot); host: filled values.
    MODULE_VAR source[3];
    // host: working fields.
    uint64_t host_value[2];
    // host: filled. Room for max_length characters and the terminating NUL.
    char* text;
    // host: working field.
    uint64_t host_previous_text;
    // module: declared. Size of the text box placed at the element's position.
    PIXSIZE size;
    // host: working fields.
    uint64_t host_surface;
    // module: declared. Colour references.
    uint32_t foreground;
    uint32_t background;
    uint32_t highlight_colour;
    // host: working field.
    uint32_t host_font;
    // module: declared. NUL-padded font name.
    char font_face[kFontFaceSize];
    // module: declared.
    uint32_t font_weight;
    // module: declared.
    uint32_t charset;
    // module: declared. Text-drawing flags (0x25: one line, centred both ways).
    uint32_t draw_flags;
    // module: declared. Most characters the text may hold.
    uint32_t max_length;
    // host: working field.
    uint32_t host_length;
    // module: declared. Highlight list, or null.
    const HIGHLIGHT* highlights;
    // host: working fields.
    uint64_t host_selection;
    // module: declared. The text callback.
    StringCallback callback;
};
static_assert(offsetof(ELEMENT_STRING, source) < offsetof(ELEMENT_STRING, text));
static_assert(offsetof(ELEMENT_STRING, text) < offsetof(ELEMENT_STRING, size));
static_assert(offsetof(ELEMENT_STRING, size) < offsetof(ELEMENT_STRING, foreground));
static_assert(offsetof(ELEMENT_STRING, foreground) < offsetof(ELEMENT_STRING, background));
static_assert(offsetof(ELEMENT_STRING, background) < offsetof(ELEMENT_STRING, highlight_colour));
static_assert(offsetof(ELEMENT_STRING, highlight_colour) < offsetof(ELEMENT_STRING, font_face));
static_assert(offsetof(ELEMENT_STRING, font_face) < offsetof(ELEMENT_STRING, font_weight));
static_assert(offsetof(ELEMENT_STRING, font_weight) < offsetof(ELEMENT_STRING, charset));
static_assert(offsetof(ELEMENT_STRING, charset) < offsetof(ELEMENT_STRING, draw_flags));
static_assert(offsetof(ELEMENT_STRING, draw_flags) < offsetof(ELEMENT_STRING, max_length));
static_assert(offsetof(ELEMENT_STRING, max_length) < offsetof(ELEMENT_STRING, highlights));
static_assert(offsetof(ELEMENT_STRING, highlights) < offsetof(ELEMENT_STRING, callback));

// ---------------------------------------------------------------------------
// Slider: the bitmap moves by value times scale on each axis.

struct SLIDER_AXIS {
    // module: declared token (0: the axis stays put); host: filled value.
    MODULE_VAR source;
    // host: working field.
    uint32_t host_reserved;
    // module: declared, optional.
    SliderCallback callback;
    // module: declared. Pixels per unit of the value.
    double scale;
    // host: working field.
    uint64_t host_value;
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    SLIDER_AXIS x;
    SLIDER_AXIS y;
};
static_assert(offsetof(SLIDER_AXIS, source) < offsetof(SLIDER_AXIS, callback));
static_assert(offsetof(SLIDER_AXIS, callback) < offsetof(SLIDER_AXIS, scale));
static_assert(offsetof(ELEMENT_SLIDER, x) < offsetof(ELEMENT_SLIDER, y));

// ---------------------------------------------------------------------------
// Icon: state k shows bitmap (element bitmap + k); a negative state shows nothing.

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    // module: declared token; host: filled value.
    MODULE_VAR source;
    // host: working field.
    uint32_t host_reserved;
    // module: declared. 0 except for the magneto/start key (3).
    uint32_t switch_type;
    // host: conversion fields.
    uint64_t host_conversion[2];
    // module: declared. 1 to 5.
    uint32_t icon_count;
    // host: working fields.
    uint32_t host_state[3];
    // module: declared, optional.
    IconCallback callback;
};
static_assert(offsetof(ELEMENT_ICON, source) < offsetof(ELEMENT_ICON, switch_type));
static_assert(offsetof(ELEMENT_ICON, switch_type) < offsetof(ELEMENT_ICON, icon_count));
static_assert(offsetof(ELEMENT_ICON, icon_count) < offsetof(ELEMENT_ICON, callback));

// ---------------------------------------------------------------------------
// Moving image: the strip (element bitmap) seen through its window (bitmap + 1).

struct MOVING_AXIS {
    // module: declared token; host: filled value.
    MODULE_VAR source;
    // host: working field.
    uint32_t host_before;
    // module: declared. The value is held within minimum..maximum; both 0: no travel.
    double minimum;
    double maximum;
    // host: working field.
    uint32_t host_after;
};

struct ELEMENT_MOVING_IMAGE {
    ELEMENT_HEADER header;
    MOVING_AXIS x;
    MOVING_AXIS y;
    // host: working fields.
    uint64_t host_offset[2];
    // module: declared, optional.
    MovingImageCallback callback_x;
    MovingImageCallback callback_y;
};
static_assert(offsetof(MOVING_AXIS, source) < offsetof(MOVING_AXIS, minimum));
static_assert(offsetof(MOVING_AXIS, minimum) < offsetof(MOVING_AXIS, maximum));
static_assert(offsetof(ELEMENT_MOVING_IMAGE, y) < offsetof(ELEMENT_MOVING_IMAGE, callback_x));
static_assert(offsetof(ELEMENT_MOVING_IMAGE, callback_x) < offsetof(ELEMENT_MOVING_IMAGE, callback_y));

// ---------------------------------------------------------------------------
// Sprite: a 256x256 picture shifted and turned about its centre, drawn with a
// face-sized companion (bitmap + 1) that masks it.

struct SPRITE_AXIS {
    // module: declared token; host: filled value.
    MODULE_VAR source;
    // host: working field.
    uint32_t host_reserved;
    // module: declared. Pixels (or rotation units) per unit of the value.
    double scale;
};

struct ELEMENT_SPRITE {
    ELEMENT_HEADER header;
    SPRITE_AXIS x;
    SPRITE_AXIS y;
    SPRITE_AXIS rotation;
    // module: declared. Factor by which the sprite bitmap is drawn.
    float texture_scale_x;
    float texture_scale_y;
    // host: working fields.
    uint64_t host_state[2];
    // module: declared, optional. Only the last slot is used; its result drives the y axis.
    SpriteCallback callbacks[3];
};
static_assert(offsetof(SPRITE_AXIS, source) < offsetof(SPRITE_AXIS, scale));
static_assert(offsetof(ELEMENT_SPRITE, rotation) < offsetof(ELEMENT_SPRITE, texture_scale_x));
static_assert(offsetof(ELEMENT_SPRITE, texture_scale_y) < offsetof(ELEMENT_SPRITE, callbacks));

// ---------------------------------------------------------------------------
// Mouse rectangles: a tree written flat.

enum MouseRecordType : uint32_t {
    kMouseEnd = 0,
    kMouseParent = 1,
    kMouseChild = 2,
    kMouseEndParent = 3,
};

// Mouse flags: what a rectangle takes, and what a handler is told.
enum MouseFlag : uint32_t {
    kMousePress = 0x20000000,
    kMouseRepeat = 0x00200000,
    kMouseMove = 0x00800000,
};

// Cursors the host shows over a rectangle.
enum MouseCursor : int32_t {
    kCursorNone = -1,
    kCursorUp = 1,
    kCursorDown = 2,
    kCursorHand = 5,
};

struct MOUSE_BOX {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

struct MOUSERECT {
    // module: declared. One of MouseRecordType.
    uint32_t type;
    // module: declared. Relative to the enclosing parent; (0,0,0,0) outermost is the whole gauge.
    MOUSE_BOX box;
    // module: declared. -1 on parents.
    int32_t cursor;
    // module: declared. Help text number, 0 for none.
    uint32_t help_id;
    // module: declared. Which mouse actions the rectangle takes; 0 on parents.
    uint32_t flags;
    // module: declared. Key event sent on a press, or 0.
    uint32_t event_id;
    // module: declared. Handler called on a press, or null.
    MouseHandler handler;
    // host: working field.
    uint32_t host_reserved;
};
static_assert(offsetof(MOUSERECT, type) < offsetof(MOUSERECT, box));
static_assert(offsetof(MOUSERECT, box) < offsetof(MOUSERECT, cursor));
static_assert(offsetof(MOUSERECT, cursor) < offsetof(MOUSERECT, help_id));
static_assert(offsetof(MOUSERECT, help_id) < offsetof(MOUSERECT, flags));
static_assert(offsetof(MOUSERECT, flags) < offsetof(MOUSERECT, event_id));
static_assert(offsetof(MOUSERECT, event_id) < offsetof(MOUSERECT, handler));
static_assert(offsetof(MOUSERECT, handler) < offsetof(MOUSERECT, host_reserved));

// Records that close a parent and the whole array.
constexpr MOUSERECT mouse_end_parent() {
    return MOUSERECT{.type = kMouseEndParent, .box = {}, .cursor = -1, .help_id = 0, .flags = 0,
                     .event_id = 0, .handler = nullptr, .host_reserved = 0};
}
constexpr MOUSERECT mouse_end() {
    return MOUSERECT{.type = kMouseEnd, .box = {}, .cursor = -1, .help_id = 0, .flags = 0,
                     .event_id = 0, .handler = nullptr, .host_reserved = 0};
}

// ---------------------------------------------------------------------------
// Gauge header

// Host fields after the gauge callback: the version-800 form carries more.
constexpr uint32_t kGaugeTailFields700 = 4;
constexpr uint32_t kGaugeTailFields800 = 8;
#if GAUGE_HEADER_VERSION == 800
constexpr uint32_t kGaugeTailFields = kGaugeTailFields800;
#else
constexpr uint32_t kGaugeTailFields = kGaugeTailFields700;
#endif

// Gauge-callback service number the panel's gauge callbacks act on.
constexpr int32_t kGaugeServiceUpdate = 6;

struct GAUGEHDR {
    // module: declared. 800 in the radio stack, 700 elsewhere.
    uint32_t version;
    // module: declared. The name the panel configuration places the gauge by.
    const char* name;
    // module: declared. NULL-terminated list holding the one root element.
    ELEMENT_HEADER** elements;
    // module: declared. The module's seven standard routines.
    GaugeRoutine query;
    GaugeRoutineWithValue install;
    GaugeRoutine initialize;
    GaugeRoutine update;
    GaugeRoutineWithValue generate;
    GaugeRoutine draw;
    GaugeRoutine kill;
    // host: working field.
    void* host_reserved;
    // module: declared. Width in millimetres unless the panel configuration says otherwise.
    uint32_t default_width_mm;
    // host: working fields.
    uint32_t host_size[3];
    // module: declared. First record of the mouse array, or null.
    MOUSERECT* mouse_rects;
    // module: declared, optional.
    GaugeCallback callback;
    // host: working fields; their number depends on the header version.
    uint64_t host_tail[kGaugeTailFields];
};
static_assert(offsetof(GAUGEHDR, version) < offsetof(GAUGEHDR, name));
static_assert(offsetof(GAUGEHDR, name) < offsetof(GAUGEHDR, elements));
static_assert(offsetof(GAUGEHDR, elements) < offsetof(GAUGEHDR, query));
static_assert(offsetof(GAUGEHDR, kill) < offsetof(GAUGEHDR, host_reserved));
static_assert(offsetof(GAUGEHDR, host_reserved) < offsetof(GAUGEHDR, default_width_mm));
static_assert(offsetof(GAUGEHDR, default_width_mm) < offsetof(GAUGEHDR, mouse_rects));
static_assert(offsetof(GAUGEHDR, mouse_rects) < offsetof(GAUGEHDR, callback));
static_assert(offsetof(GAUGEHDR, callback) < offsetof(GAUGEHDR, host_tail));

// ---------------------------------------------------------------------------
// The host's services table. Modules reach it through ImportTable and call
// entries by their position; unused positions are the host's.

struct PANELS {
    void* reserved_0_23[24];
    int32_t(GAUGE_CALL* element_list_query)(ELEMENT_HEADER* root);                    // 24
    int32_t(GAUGE_CALL* element_list_install)(ELEMENT_HEADER* root, uint32_t value);  // 25
    int32_t(GAUGE_CALL* element_list_initialize)(ELEMENT_HEADER* root);               // 26
    int32_t(GAUGE_CALL* element_list_update)(ELEMENT_HEADER* root);                   // 27
    int32_t(GAUGE_CALL* element_list_generate)(ELEMENT_HEADER* root, uint32_t value); // 28
    int32_t(GAUGE_CALL* element_list_plot)(ELEMENT_HEADER* root);                     // 29
    void* reserved_30;
    int32_t(GAUGE_CALL* element_list_kill)(ELEMENT_HEADER* root);                     // 31
    void* reserved_32_34[3];
    int32_t(GAUGE_CALL* toggle_panel_window)(uint32_t window);                         // 35
    void(GAUGE_CALL* trigger_key_event)(uint32_t event, uint32_t parameter);           // 36
    void* reserved_37_39[3];
    void(GAUGE_CALL* lookup_var)(MODULE_VAR* var);                                     // 40
    void* reserved_41_44[4];
    int32_t(GAUGE_CALL* close_panel_window)(uint32_t window);                          // 45
    int32_t(GAUGE_CALL* open_panel_window)(uint32_t window);                           // 46
    void* reserved_47_63[17];
};
#define PANELS_SLOT(field) (offsetof(PANELS, field) / sizeof(void*))
static_assert(PANELS_SLOT(element_list_query) == 24);
static_assert(PANELS_SLOT(element_list_plot) == 29);
static_assert(PANELS_SLOT(element_list_kill) == 31);
static_assert(PANELS_SLOT(toggle_panel_window) == 35);
static_assert(PANELS_SLOT(trigger_key_event) == 36);
static_assert(PANELS_SLOT(lookup_var) == 40);
static_assert(PANELS_SLOT(close_panel_window) == 45);
static_assert(PANELS_SLOT(open_panel_window) == 46);

// ---------------------------------------------------------------------------
// The two exported records through which host and module find each other.

constexpr uint32_t kImportIdentifier = 0x0F;
constexpr uint32_t kModuleIdentifier = 0x13;
// Most gauges one module's table can hold (the table ends with a null entry).
constexpr uint32_t kMaxGaugesPerModule = 15;

struct GAUGESIMPORT {
    // module: declared 0x0F.
    uint32_t import_id;
    // host: filled after loading, before anything in the module is called.
    PANELS* services;
    // module: declared zero.
    uint32_t end_id;
    void* end_pointer;
};

struct GAUGESLINKAGE {
    // module: declared 0x13.
    uint32_t module_id;
    // module: declared. Called after loading and before unloading.
    void(GAUGE_CALL* module_init)();
    void(GAUGE_CALL* module_deinit)();
    // module: declared zero.
    uint32_t flags;
    // host: working field.
    uint32_t host_reserved;
    // module: declared. 0x800 in the radio stack, 0 elsewhere.
    uint32_t module_version;
    // module: declared. Every gauge of the module in order, then null.
    GAUGEHDR* gauge_table[kMaxGaugesPerModule + 1];
};
static_assert(offsetof(GAUGESLINKAGE, module_id) < offsetof(GAUGESLINKAGE, module_init));
static_assert(offsetof(GAUGESLINKAGE, module_init) < offsetof(GAUGESLINKAGE, module_deinit));
static_assert(offsetof(GAUGESLINKAGE, module_deinit) < offsetof(GAUGESLINKAGE, flags));
static_assert(offsetof(GAUGESLINKAGE, flags) < offsetof(GAUGESLINKAGE, host_reserved));
static_assert(offsetof(GAUGESLINKAGE, host_reserved) < offsetof(GAUGESLINKAGE, module_version));
static_assert(offsetof(GAUGESLINKAGE, module_version) < offsetof(GAUGESLINKAGE, gauge_table));

#if GAUGE_HEADER_VERSION == 800
constexpr uint32_t kModuleVersion = 0x800;
#else
constexpr uint32_t kModuleVersion = 0;
#endif

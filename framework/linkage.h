// Module linkage: the two exported records, the module's start and stop
// routines and the seven standard routines every gauge header names.
//
// A module defines `Linkage` itself (it holds the module's gauge table); the
// framework defines `ImportTable` and the routines.
#pragma once

#include "framework/gauge.h"

GAUGE_EXPORT GAUGESIMPORT ImportTable;
GAUGE_EXPORT GAUGESLINKAGE Linkage;

// Called by the host after loading and before unloading; they do nothing.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

// The standard routines. Whatever gauge the host calls them for, each hands
// the matching element-list service the root element of the module's first
// gauge; the host reaches every gauge's own tree through its header.
int32_t GAUGE_CALL gauge_query();
int32_t GAUGE_CALL gauge_install(uint32_t value);
int32_t GAUGE_CALL gauge_initialize();
int32_t GAUGE_CALL gauge_update();
int32_t GAUGE_CALL gauge_generate(uint32_t value);
int32_t GAUGE_CALL gauge_draw();
int32_t GAUGE_CALL gauge_kill();

// A gauge header: the module's header version and its seven routines, the
// gauge's name, element list, default width, mouse rectangles (or null) and
// gauge callback (or null); every host field zero.
//   GAUGEHDR comnav1_gauge = gauge_header("RadioComNav1", comnav1_elements, 200, comnav1_mouse);
constexpr GAUGEHDR gauge_header(const char* name, ELEMENT_HEADER** elements, uint32_t default_width_mm,
                                MOUSERECT* mouse_rects, GaugeCallback callback = nullptr) {
    return GAUGEHDR{.version = GAUGE_HEADER_VERSION,
                    .name = name,
                    .elements = elements,
                    .query = gauge_query,
                    .install = gauge_install,
                    .initialize = gauge_initialize,
                    .update = gauge_update,
                    .generate = gauge_generate,
                    .draw = gauge_draw,
                    .kill = gauge_kill,
                    .host_reserved = nullptr,
                    .default_width_mm = default_width_mm,
                    .host_size = {},
                    .mouse_rects = mouse_rects,
                    .callback = callback,
                    .host_tail = {}};
}

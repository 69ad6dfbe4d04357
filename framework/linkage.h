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

// The header fields every gauge of a module shares: its version and the
// seven routines. Used inside a GAUGEHDR initializer:
//   GAUGEHDR comnav1_gauge = {GAUGE_HEADER_COMMON("RadioComNav1", comnav1_elements),
//                             .default_width_mm = 200, ...};
#define GAUGE_HEADER_COMMON(gauge_name, element_list)                                      \
    .version = GAUGE_HEADER_VERSION, .name = (gauge_name), .elements = (element_list),     \
    .query = gauge_query, .install = gauge_install, .initialize = gauge_initialize,        \
    .update = gauge_update, .generate = gauge_generate, .draw = gauge_draw, .kill = gauge_kill

// The bridge to the host's services table. Module code calls these instead
// of reaching into ImportTable itself.
#pragma once

#include "framework/linkage.h"

// Fills var->value with the current value of the host variable var->token.
inline void lookup_var(MODULE_VAR* var) { ImportTable.services->lookup_var(var); }

// Reads one host variable afresh, with a record built for this call alone.
inline MODULE_VAR read_var(uint32_t token) {
    MODULE_VAR var = {.token = token, .host_reference = nullptr, .host_type = 0, .value = {}, .previous_value = {}};
    lookup_var(&var);
    return var;
}

inline void trigger_key_event(uint32_t event, uint32_t parameter) {
    ImportTable.services->trigger_key_event(event, parameter);
}

inline int32_t toggle_panel_window(uint32_t window) { return ImportTable.services->toggle_panel_window(window); }
inline int32_t close_panel_window(uint32_t window) { return ImportTable.services->close_panel_window(window); }
inline int32_t open_panel_window(uint32_t window) { return ImportTable.services->open_panel_window(window); }

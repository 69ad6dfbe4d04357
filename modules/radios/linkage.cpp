// The radio stack module: its gauge table, in the order the panel
// configuration and the standard routines rely on.
#include "framework/linkage.h"
#include "modules/radios/gauges.h"

GAUGESLINKAGE Linkage = {
    .module_id = kModuleIdentifier,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .host_reserved = 0,
    .module_version = kModuleVersion,
    .gauge_table = {&radios::comnav1_gauge, &radios::comnav2_gauge, &radios::transponder_gauge, &radios::adf_gauge,
                    &radios::autopilot_gauge, &radios::dme_gauge, &radios::audio_gauge, &radios::autopilot2_gauge,
                    nullptr},
};

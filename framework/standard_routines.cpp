// The seven standard routines. Each takes the first gauge of the module's
// table and hands its root element to the host's matching element-list
// service; none of them knows which gauge it is called for.
#include "framework/linkage.h"

namespace {

ELEMENT_HEADER* first_gauge_root() { return Linkage.gauge_table[0]->elements[0]; }

PANELS* services() { return ImportTable.services; }

#if GAUGE_HEADER_VERSION == 700
// The version-700 modules reach the element-list services through one-line
// forwarders, one per service.
int32_t element_list_query(ELEMENT_HEADER* root) { return services()->element_list_query(root); }
int32_t element_list_install(ELEMENT_HEADER* root, uint32_t value) {
    return services()->element_list_install(root, value);
}
int32_t element_list_initialize(ELEMENT_HEADER* root) { return services()->element_list_initialize(root); }
int32_t element_list_update(ELEMENT_HEADER* root) { return services()->element_list_update(root); }
int32_t element_list_generate(ELEMENT_HEADER* root, uint32_t value) {
    return services()->element_list_generate(root, value);
}
int32_t element_list_plot(ELEMENT_HEADER* root) { return services()->element_list_plot(root); }
int32_t element_list_kill(ELEMENT_HEADER* root) { return services()->element_list_kill(root); }
#define ELEMENT_LIST(service) element_list_##service
#else
#define ELEMENT_LIST(service) services()->element_list_##service
#endif

}  // namespace

int32_t GAUGE_CALL gauge_query() { return ELEMENT_LIST(query)(first_gauge_root()); }
int32_t GAUGE_CALL gauge_install(uint32_t value) { return ELEMENT_LIST(install)(first_gauge_root(), value); }
int32_t GAUGE_CALL gauge_initialize() { return ELEMENT_LIST(initialize)(first_gauge_root()); }
int32_t GAUGE_CALL gauge_update() { return ELEMENT_LIST(update)(first_gauge_root()); }
int32_t GAUGE_CALL gauge_generate(uint32_t value) { return ELEMENT_LIST(generate)(first_gauge_root(), value); }
int32_t GAUGE_CALL gauge_draw() { return ELEMENT_LIST(plot)(first_gauge_root()); }
int32_t GAUGE_CALL gauge_kill() { return ELEMENT_LIST(kill)(first_gauge_root()); }

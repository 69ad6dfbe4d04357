#include "framework/linkage.h"

GAUGESIMPORT ImportTable = {
    .import_id = kImportIdentifier,
    .services = nullptr,
    .end_id = 0,
    .end_pointer = nullptr,
};

void GAUGE_CALL module_init() {}

void GAUGE_CALL module_deinit() {}

#if defined(_WIN32)
#include <windows.h>

// The library entry: success on every notification, nothing else.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

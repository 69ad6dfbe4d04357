// Calling convention and export markers for gauge modules.
//
// This is the only header that differs between the Windows build (where a
// module is a .gau dynamic library loaded by the simulator) and the Linux
// build (a .so loaded by the panel host). Everything else in framework/ and
// modules/ is written against these macros.
#pragma once

#if defined(_WIN32)
#define GAUGE_CALL __stdcall
#define GAUGE_EXPORT extern "C" __declspec(dllexport)
#else
#define GAUGE_CALL
#define GAUGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Which form of the gauge records a module is built with: 800 for the radio
// stack, 700 for every other module. The build passes it per module; the
// host reads both forms and is built with the larger one.
#ifndef GAUGE_HEADER_VERSION
#define GAUGE_HEADER_VERSION 700
#endif

#if GAUGE_HEADER_VERSION != 700 && GAUGE_HEADER_VERSION != 800
#error "GAUGE_HEADER_VERSION must be 700 or 800"
#endif

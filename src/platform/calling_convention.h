// How functions cross the boundary between the viewer and the plug-in: the one place that knows
// which operating system it is built for.
#pragma once

#ifdef _WIN32
// Arguments are 32-bit words pushed right to left and removed by the called function.
#define TORV_CALL __stdcall
// The plug-in's exports are named by its .def file; the host's by dllexport and --kill-at.
#define TORV_PLUGIN_EXPORT
#define TORV_HOST_EXPORT __declspec(dllexport)
// The records must have the byte layout of the 32-bit viewer.
#define TORV_WIN32_LAYOUT (sizeof(void*) == 4)
#else
#define TORV_CALL
#define TORV_PLUGIN_EXPORT __attribute__((visibility("default")))
#define TORV_HOST_EXPORT __attribute__((visibility("default")))
#define TORV_WIN32_LAYOUT false
#endif

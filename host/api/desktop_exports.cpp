// The desktop functions exported by name from the executable (no C library header here either).
#include "api/desktop_functions.h"

#define TORV_DESKTOP_EXPORT(result, name, parameters, arguments) \
  extern "C" TORV_HOST_EXPORT result TORV_CALL name parameters { return host::desktop_api::name arguments; }
TORV_DESKTOP_API(TORV_DESKTOP_EXPORT)
#undef TORV_DESKTOP_EXPORT

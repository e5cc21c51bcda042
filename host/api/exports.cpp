// The host API exported by name from the executable, as the viewer exports it. On POSIX the
// host's select takes the place of the C library's in this process; this file includes no C
// library header, where the two declarations would clash.
#include "api/call_recorder.h"

using namespace viewer;

#define TORV_HOST_API_EXPORT(result, name, parameters, arguments) \
  extern "C" TORV_HOST_EXPORT result TORV_CALL name parameters {  \
    if (!host::accept_call(#name, host)) {                        \
      return host::refused_call_result<result>();                 \
    }                                                             \
    if (host::api::call_recorder != nullptr) {                    \
      host::api::call_recorder->name arguments;                   \
    }                                                             \
    return host::api::name arguments;                             \
  }
TORV_HOST_API(TORV_HOST_API_EXPORT)
#undef TORV_HOST_API_EXPORT

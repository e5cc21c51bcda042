// The stand-in viewer's host API, one C++ function per exported name (exports.cpp exports them).
#pragma once

#include <type_traits>

#include "interface/host_api_list.h"

namespace host::api {

using namespace viewer;

#define TORV_HOST_API_DECLARE(result, name, parameters, arguments) result name parameters;
TORV_HOST_API(TORV_HOST_API_DECLARE)
#undef TORV_HOST_API_DECLARE

}  // namespace host::api

namespace host {

// Notes a call in the call log (when it is on) and refuses, noting a fault, a call that does not
// carry the host's handle.
bool accept_call(const char* function_name, viewer::HostHandle handle);

template <class Result>
Result refused_call_result() {
  if constexpr (!std::is_void_v<Result>) return Result{};
}

}  // namespace host

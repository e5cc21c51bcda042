// HostApi: the viewer's functions, resolved by name from the executable that loaded the library,
// and one wrapper per function that turns a function the viewer lacks into a silent no-op.
#pragma once

#include <type_traits>

#include "interface/host_api_list.h"

namespace viewer {

struct HostApi {
#define TORV_HOST_API_POINTER(result, name, parameters, arguments) result(TORV_CALL* name) parameters;
  TORV_HOST_API(TORV_HOST_API_POINTER)
#undef TORV_HOST_API_POINTER
};

// Null pointers until resolve_host_api has run.
extern HostApi host_api;

// Looks every name up once per process; a name the viewer lacks stays null.
void resolve_host_api();

namespace detail {
template <class Result>
Result missing_function_result() {
  if constexpr (!std::is_void_v<Result>) return Result{};
}
}  // namespace detail

// viewer::select(host, id, false) and so on: 0, false or null when the viewer lacks the function.
#define TORV_HOST_API_WRAPPER(result, name, parameters, arguments)                                         \
  inline result name parameters {                                                                          \
    return host_api.name != nullptr ? host_api.name arguments : detail::missing_function_result<result>(); \
  }
TORV_HOST_API(TORV_HOST_API_WRAPPER)
#undef TORV_HOST_API_WRAPPER

}  // namespace viewer

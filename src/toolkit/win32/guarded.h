// The edge between Windows and the toolkit's handlers: whatever a handler throws ends that handler
// there, since unwinding through the system's message dispatch would end the viewer.
#pragma once

namespace toolkit::win32 {

template <class Result, class Handler>
Result guarded(Result on_failure, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    return on_failure;
  }
}

}  // namespace toolkit::win32

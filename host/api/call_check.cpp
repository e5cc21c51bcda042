// The call log, the call recorder and the handle check behind every exported host function.
#include "api/call_recorder.h"
#include "api/host_state.h"

namespace host {

namespace api {
CallRecorder* call_recorder = nullptr;
}  // namespace api

bool accept_call(const char* function_name, viewer::HostHandle handle) {
  HostState& state = host_state();
  if (state.log_calls) state.call_log.emplace_back(function_name);
  if (handle == state.handle) return true;
  state.faults.push_back(std::string(function_name) + " called with handle " + std::to_string(handle));
  return false;
}

}  // namespace host

// An optional listener told of every accepted host function call with its arguments, before the
// call runs: a program that plays the viewer records an operation's calls through it, to make the
// same calls again.
#pragma once

#include "api/host_functions.h"

namespace host::api {

class CallRecorder {
 public:
  virtual ~CallRecorder() = default;
#define TORV_HOST_API_RECORD(result, name, parameters, arguments) virtual void name parameters = 0;
  TORV_HOST_API(TORV_HOST_API_RECORD)
#undef TORV_HOST_API_RECORD
};

// Null unless a program records: every exported function tests it, so it is a plain pointer.
extern CallRecorder* call_recorder;

}  // namespace host::api

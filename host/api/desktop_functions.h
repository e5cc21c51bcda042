// The headless desktop's functions, exported by name beside the host API (see desktop_api_list.h),
// and what the session asks of the toolkit through it.
#pragma once

#include <string>

#include "interface/desktop_api_list.h"

namespace host::desktop_api {

#define TORV_DESKTOP_DECLARE(result, name, parameters, arguments) result name parameters;
TORV_DESKTOP_API(TORV_DESKTOP_DECLARE)
#undef TORV_DESKTOP_DECLARE

}  // namespace host::desktop_api

namespace host {

// Runs a command of the plug-in's toolkit; "error: ..." when no toolkit is connected.
std::string desktop_command(const std::string& command);

}  // namespace host

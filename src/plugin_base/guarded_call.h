// Runs plug-in code from a viewer call: nothing is ever thrown back into the viewer.
#pragma once

#include <utility>

#include "plugin_base/plugin_instance.h"

namespace cpp {

// Calls work(*plugin_instance) and returns its result; fallback when there is no plug-in object
// or the work throws.
template <class Result, class Work>
Result with_plugin(Result fallback, Work&& work) noexcept {
  if (plugin_instance == nullptr) return fallback;
  try {
    return std::forward<Work>(work)(*plugin_instance);
  } catch (...) {
    return fallback;
  }
}

template <class Work>
void with_plugin(Work&& work) noexcept {
  if (plugin_instance == nullptr) return;
  try {
    std::forward<Work>(work)(*plugin_instance);
  } catch (...) {
  }
}

}  // namespace cpp

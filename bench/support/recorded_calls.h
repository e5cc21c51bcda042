// An operation's host calls, recorded once with their arguments and made again as its baseline:
// the same exported functions, resolved by name from this program's exports as the plug-in
// resolves them (through the plug-in's own function table), with the same arguments.
#pragma once

#include <functional>

#include "interface/viewer_records.h"

namespace bench {

// The host handle, with the function table resolved.
viewer::HostHandle host();

// Runs operation with the host's call recording on; returns what makes its calls again, in their
// order. Texts and ids the plug-in passed are kept, and passed again from the recording; a buffer
// or record the host fills is one of the recorded length. What the host returns is read as the
// operation must read it: every text it returns, every id and property value it fills in; of an
// object record asked for alone, what a test of it reads (its entity, whether it has a GUID); of
// records asked for many at once, every text.
std::function<void()> record_host_calls(const std::function<void()>& operation);

}  // namespace bench

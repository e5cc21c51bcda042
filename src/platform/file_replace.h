// Putting one file in the place of another in one step, and removing a file.
#pragma once

#include <string>

namespace platform {

// Moves source over target (replacing it); false when it cannot, with both left as they were.
bool replace_file(const std::u16string& source, const std::u16string& target);

// Removes a file if it exists; failures are ignored.
void remove_file(const std::u16string& path);

}  // namespace platform

// A folder of the user's own for the files a library writes by name: made new for one piece of
// work in the user's temporary folder, with a name no one can guess, and writable by the user
// alone, so that no one can put a file or a link in the library's way there.
#pragma once

#include <optional>
#include <string>

#include "platform/shell_folders.h"

namespace platform {

// A new folder in temporary (mkdtemp, mode 0700; CreateDirectoryW, which fails on a name already
// there, so another name is tried), spelled both ways as temporary is. Nothing when it cannot be
// made, with the reason as the last error.
std::optional<NarrowFolder> make_scratch_folder(const NarrowFolder& temporary);

// Removes what the folder holds and then the folder; a link in it is removed, never followed.
// Failures are ignored.
void remove_scratch_folder(const std::u16string& path);

}  // namespace platform

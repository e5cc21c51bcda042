// C runtime file streams opened by a UTF-16 path.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Creates a new file and opens it for binary writing: exclusively, so a file or a link already at
// the name makes it fail, and nothing is ever written through a link. Null when it cannot.
std::FILE* create_new_file(const std::u16string& path);

// Opens a file for binary reading only when it is a regular file: a FIFO, a device or a folder is
// refused as unreadable (the last error says which), and opening never waits for a writer. On
// POSIX a link is followed only when the user or root owns it, as for writing.
std::FILE* open_regular_file(const std::u16string& path);

// Creates a new file with a unique name in the folder of target and opens it for binary writing;
// the name, which carries this viewer's process key, goes to temporary_path. The name is created
// exclusively and never through a link: a file or link already at a name makes it try another.
// Null when it cannot.
std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path);

// Removes what saves that never ended left in the folder of target: files with the names
// create_temporary_beside makes, regular and the user's own, whose viewer no longer runs (names
// without a process key, from earlier versions: when over an hour old); links are never followed,
// and failures are ignored.
void remove_stale_temporaries_beside(const std::u16string& target);

}  // namespace platform

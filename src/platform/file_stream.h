// C runtime file streams opened by a UTF-16 path.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// mode is a C runtime mode such as "rb" or "wb". Null when the file cannot be opened.
std::FILE* open_file(const std::u16string& path, const char* mode);

// Opens a file for binary reading only when it is a regular file (a link to one counts): a FIFO,
// a device or a folder is refused as unreadable, and opening never waits for a writer.
std::FILE* open_regular_file(const std::u16string& path);

// Creates a new file with a short unique name in the folder of target and opens it for binary
// writing; the name goes to temporary_path. The name is created exclusively and never through a
// link: a file or link already at a name makes it try another. Null when it cannot.
std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path);

// Removes what saves that never ended left in the folder of target: files with the names
// create_temporary_beside makes, older than an hour, regular and the user's own; links are never
// followed, and failures are ignored.
void remove_stale_temporaries_beside(const std::u16string& target);

// Whether the name of a file (its last path component) is one create_temporary_beside makes.
bool is_temporary_name(const std::u16string& path);

}  // namespace platform

// Putting one file in the place of another in one step, and removing a file.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace platform {

// The file a path names for writing: a symbolic link is followed (also through a chain of them) to
// the file it points to, which may not exist yet; any other path as it is. On POSIX a link is
// followed only when it belongs to the user or to root, as for reading, so that a link someone
// else planted in a shared folder (its owner too) never leads a save into the user's own files:
// nothing then, with the reason as the last error.
std::optional<std::u16string> link_target(const std::u16string& path);

// Gives the new file, open for writing, what the file it will replace has: its mode and, where
// permitted, its owner (POSIX); Windows's ReplaceFileW keeps attributes and security itself.
// False, with the reason as the last error, when target exists and is read-only.
bool take_over_attributes(std::FILE* replacement, const std::u16string& target);

// Moves source over target (replacing it); false when it cannot, with both left as they were.
bool replace_file(const std::u16string& source, const std::u16string& target);

// Moves source to target only when nothing is there yet; false otherwise, with both as they were.
bool move_to_new_name(const std::u16string& source, const std::u16string& target);

// Removes a file if it exists; failures are ignored.
void remove_file(const std::u16string& path);

// The operating system's words for why the last file call failed, without a closing full stop, so
// that a message may go on after it.
std::u16string last_error_text();

// Whether the last file call failed because the disk (or the user's quota on it) is full.
bool last_error_is_disk_full();

// Makes running out of memory the last error, for last_error_text to tell.
void set_out_of_memory_error();

// Makes "It is a folder" or "It is not a regular file" (a FIFO, a device) the last error.
void set_not_a_file_error(bool folder);

}  // namespace platform

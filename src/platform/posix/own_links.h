// Symbolic links followed only where the user or root made them: the one rule of every POSIX file
// call that goes through a link, for reading and for writing. In a shared folder anyone may plant
// a link, and its folder's owner may plant one at any name there, so neither is trusted.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace platform::posix {

// Where a chain of links of the user's or root's ends: path itself when it is no link. Nothing for
// a link someone else owns (errno EACCES, as the kernel answers when it refuses such a link) or a
// chain too long (ELOOP).
std::optional<std::string> end_of_own_links(const std::string& path);

// open(2) through such a chain only: the last name is opened with O_NOFOLLOW, so a link swapped
// in after it was looked at is looked at again, never followed unseen.
int open_through_own_links(const std::string& path, int flags, mode_t mode = 0);

// lstat(2) of what such a chain ends at; false with errno otherwise.
bool stat_through_own_links(const std::string& path, struct stat& facts);

}  // namespace platform::posix

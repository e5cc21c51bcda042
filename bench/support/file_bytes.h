// Whole files in one buffered write or read: what a file writer's or reader's baseline does
// besides the host calls.
#pragma once

#include <string>

namespace bench {

// Writes bytes to path with one buffered write.
void write_bytes(const std::string& path, const std::string& bytes);
// Reads the bytes of path with one buffered read.
std::string read_bytes(const std::string& path);

}  // namespace bench

// Whole files in one buffered write or read, or written through a temporary file: what a file
// writer's or reader's floors do besides the host calls.
#pragma once

#include <string>

namespace bench {

// Writes bytes to path with one buffered write.
void write_bytes(const std::string& path, const std::string& bytes);
// Writes bytes to path as the least a save that never leaves a half-written file must: a new
// temporary file beside it, created exclusively and never through a link, the bytes in one write,
// closed, and renamed over path. Nothing is flushed to disk, as the plug-in flushes nothing.
void write_replacing(const std::string& path, const std::string& bytes);
// Reads the bytes of path with one buffered read.
std::string read_bytes(const std::string& path);

}  // namespace bench

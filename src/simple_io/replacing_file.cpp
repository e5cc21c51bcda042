// Writing through a temporary file.
#include "simple_io/replacing_file.h"

#include <optional>
#include <utility>

#include "platform/file_replace.h"
#include "platform/file_stream.h"

namespace simple_io {
namespace {

std::u16string failure;

// Keeps the system's reason before anything else can change it, then fails.
[[noreturn]] void fail() {
  failure = platform::last_error_text();
  throw ReplaceFailed{failure};
}

std::u16string target_of(const std::u16string& path) {
  std::optional<std::u16string> target = platform::link_target(path);
  if (!target) fail();
  return std::move(*target);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::u16string& path, Mode mode)
    : target_(target_of(path)), mode_(mode), out_(create_temporary()) {
  if (mode_ == Mode::replace && !platform::take_over_attributes(out_.file(), target_)) {
    failure = platform::last_error_text();
    // The destructor does not run for an object that was never made: the file goes here.
    try {
      out_.close();
    } catch (...) {
    }
    platform::remove_file(temporary_);
    throw ReplaceFailed{failure};
  }
}

std::FILE* ReplacingFile::create_temporary() {
  // Each save clears what killed saves left, so that they do not pile up beside the user's files.
  platform::remove_stale_temporaries_beside(target_);
  std::FILE* file = platform::create_temporary_beside(target_, temporary_);
  if (file == nullptr) fail();
  return file;
}

ReplacingFile::~ReplacingFile() {
  if (committed_) return;
  try {
    out_.close();
  } catch (...) {
  }
  platform::remove_file(temporary_);
}

void ReplacingFile::commit() {
  try {
    out_.close();
  } catch (...) {
    fail();
  }
  const bool moved = mode_ == Mode::replace ? platform::replace_file(temporary_, target_)
                                            : platform::move_to_new_name(temporary_, target_);
  if (!moved) fail();
  committed_ = true;
}

bool write_file_whole(const std::u16string& path, std::string_view bytes, ReplacingFile::Mode mode) {
  try {
    ReplacingFile file(path, mode);
    try {
      // The bytes are whole already: one system call writes them, with no copy through the C
      // runtime's buffer.
      std::setvbuf(file.out().file(), nullptr, _IONBF, 0);
      file.out().write(bytes.data(), bytes.size());
    } catch (...) {
      fail();
    }
    file.commit();
    return true;
  } catch (...) {
    return false;
  }
}

const std::u16string& last_write_failure() { return failure; }

}  // namespace simple_io

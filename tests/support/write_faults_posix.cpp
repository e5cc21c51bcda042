// Faults injected by standing in for the C library's fopen, fwrite, fclose and rename; each passes
// on to the C library's own (found with RTLD_NEXT) unless its fault is due. Real faults come from
// a tmpfs mounted for the test.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdarg>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string_view>
#include <vector>

#include "platform/calling_convention.h"
#include "support/write_faults.h"

namespace torv_test {
namespace {

WriteFault injected = WriteFault::none;

// The temporary files open for writing; never destroyed, as files may be closed at exit.
std::set<std::FILE*>& temporaries() {
  static auto* files = new std::set<std::FILE*>;
  return *files;
}

// The descriptors of temporary files opened and not yet made streams.
std::set<int>& temporary_descriptors() {
  static auto* descriptors = new std::set<int>;
  return *descriptors;
}

std::filesystem::path link_target;
int links = 0;

bool is_temporary(const char* path) {
  if (path == nullptr) return false;
  const std::string_view name = std::string_view(path).substr(std::string_view(path).rfind('/') + 1);
  return name.starts_with(".torv-");
}

template <class Function>
Function c_library(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

void inject_write_fault(WriteFault fault) {
  injected = fault;
  if (fault != WriteFault::none) links = 0;
}

void set_planted_link_target(const std::filesystem::path& target) { link_target = target; }

int planted_links() { return links; }

SmallFileSystem::SmallFileSystem(std::filesystem::path folder) : folder_(std::move(folder)) {
  std::filesystem::create_directories(folder_);
  if (mount("torv-test", folder_.c_str(), "tmpfs", 0, "size=64k") == 0) {
    mounted_ = true;
  } else {
    why_not_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
  }
}

SmallFileSystem::~SmallFileSystem() {
  if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
}

void SmallFileSystem::fill() {
  std::ofstream filler(folder_ / "filler", std::ios::binary);
  const std::vector<char> block(4096, 'f');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
  }
}

void SmallFileSystem::make_read_only() {
  mount("torv-test", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
}

}  // namespace torv_test

using torv_test::injected;
using torv_test::is_temporary;
using torv_test::WriteFault;

extern "C" TORV_HOST_EXPORT int open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    va_list arguments;
    va_start(arguments, flags);
    mode = static_cast<mode_t>(va_arg(arguments, int));
    va_end(arguments);
  }
  const bool temporary = is_temporary(path);
  if (temporary && injected == WriteFault::temporary_not_created) {
    errno = EACCES;
    return -1;
  }
  const bool plant = temporary && injected == WriteFault::links_planted;
  const bool planted = plant && symlink(torv_test::link_target.c_str(), path) == 0;
  if (planted) ++torv_test::links;
  static const auto real = torv_test::c_library<int (*)(const char*, int, ...)>("open");
  const int descriptor = real(path, flags, mode);
  const int error = errno;
  if (planted) unlink(path);
  if (descriptor >= 0 && temporary) torv_test::temporary_descriptors().insert(descriptor);
  errno = error;
  return descriptor;
}

extern "C" TORV_HOST_EXPORT std::FILE* fdopen(int descriptor, const char* mode) noexcept {
  static const auto real = torv_test::c_library<std::FILE* (*)(int, const char*)>("fdopen");
  std::FILE* file = real(descriptor, mode);
  if (file != nullptr && torv_test::temporary_descriptors().erase(descriptor) != 0)
    torv_test::temporaries().insert(file);
  return file;
}

extern "C" TORV_HOST_EXPORT std::FILE* fopen(const char* path, const char* mode) {
  if (injected == WriteFault::temporary_not_created && is_temporary(path)) {
    errno = EACCES;
    return nullptr;
  }
  static const auto real = torv_test::c_library<std::FILE* (*)(const char*, const char*)>("fopen");
  std::FILE* file = real(path, mode);
  if (file != nullptr && is_temporary(path)) torv_test::temporaries().insert(file);
  return file;
}

extern "C" TORV_HOST_EXPORT std::size_t fwrite(const void* data, std::size_t size, std::size_t count,
                                               std::FILE* file) {
  static const auto real =
      torv_test::c_library<std::size_t (*)(const void*, std::size_t, std::size_t, std::FILE*)>("fwrite");
  if (injected == WriteFault::short_write && torv_test::temporaries().contains(file) && count > 0) {
    // Half of it, as a disk that fills up on the way.
    const std::size_t written = real(data, size, count / 2, file);
    errno = ENOSPC;
    return written;
  }
  return real(data, size, count, file);
}

extern "C" TORV_HOST_EXPORT int fclose(std::FILE* file) {
  static const auto real = torv_test::c_library<int (*)(std::FILE*)>("fclose");
  const bool temporary = torv_test::temporaries().erase(file) != 0;
  const int result = real(file);
  if (injected == WriteFault::close_fails && temporary) {
    errno = EIO;
    return EOF;
  }
  return result;
}

extern "C" TORV_HOST_EXPORT int rename(const char* from, const char* to) noexcept {
  if (injected == WriteFault::move_fails && is_temporary(from)) {
    errno = EACCES;
    return -1;
  }
  static const auto real = torv_test::c_library<int (*)(const char*, const char*)>("rename");
  return real(from, to);
}

extern "C" TORV_HOST_EXPORT int link(const char* from, const char* to) noexcept {
  if (injected == WriteFault::move_fails && is_temporary(from)) {
    errno = EACCES;
    return -1;
  }
  static const auto real = torv_test::c_library<int (*)(const char*, const char*)>("link");
  return real(from, to);
}

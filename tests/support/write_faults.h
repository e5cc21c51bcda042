// Faults while the plug-in writes a file, for tests that the old file survives them: injected into
// the C library's file functions, or real ones on a small file system of the test's own.
#pragma once

#include <filesystem>
#include <string>

namespace torv_test {

// A step of writing a file whole through a temporary file that fails.
// links_planted: someone plants a symbolic link to planted_link_target() at every temporary name
// the plug-in is about to create.
enum class WriteFault { none, temporary_not_created, short_write, close_fails, move_fails, links_planted };

// Makes the step fail for every temporary file (named ".torv-", a process key and six characters) written
// from now on, until set to none. The test program must export open, fdopen, fopen, fwrite, fclose, rename
// and link (see the e2e tests' build), so that the plug-in's calls of them come here first.
void inject_write_fault(WriteFault fault);

// The file the planted links point to; the test makes it and checks it stays as it was.
void set_planted_link_target(const std::filesystem::path& target);
// How many links were planted since the fault was injected.
int planted_links();

// A tmpfs of a few kilobytes mounted over a folder while it lives. Needs the right to mount (root
// in a container that allows it); mounted() is false, with the reason, where there is none.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(std::filesystem::path folder);
  ~SmallFileSystem();
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& why_not() const { return why_not_; }

  // Fills the free space with a file of its own: every write that needs a new block fails.
  void fill();
  // Mounts it again read-only: no one, root included, may change anything on it.
  void make_read_only();

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
  std::string why_not_;
};

}  // namespace torv_test

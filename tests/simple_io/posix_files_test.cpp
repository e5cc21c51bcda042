// Writing and reading files where POSIX has more than Windows: modes, symbolic links, FIFOs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"
#include "support/no_temporary_left.h"
#include "support/temp_folder.h"

namespace {

using torv_test::TempFolder;

// A replaced file keeps its mode; a link is written through and stays a link; a name as long as
// the file system takes is saved; a FIFO is no file to read and never blocks.
TEST(SimpleIo, ReplacingKeepsModeAndLinksAndLongNames) {
  TempFolder folder;
  const std::filesystem::path kept = folder.path() / "kept.csv";
  torv_test::write_file(kept, "old");
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    std::filesystem::perms::group_read | std::filesystem::perms::group_write;
  std::filesystem::permissions(kept, mode);
  EXPECT_TRUE(simple_io::write_file_whole(kept.u16string(), "new"));
  EXPECT_EQ(std::filesystem::status(kept).permissions(), mode);

  std::filesystem::create_directories(folder.path() / "shared");
  const std::filesystem::path shared = folder.path() / "shared" / "house.batching.csv";
  torv_test::write_file(shared, "old");
  const std::filesystem::path link = folder.path() / "house.batching.csv";
  std::filesystem::create_symlink("shared/house.batching.csv", link);
  EXPECT_TRUE(simple_io::write_file_whole(link.u16string(), "through the link"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(torv_test::read_file(shared), "through the link");

  const std::filesystem::path longest = folder.path() / (std::string(251, 'n') + ".csv");
  EXPECT_TRUE(simple_io::write_file_whole(longest.u16string(), "long"));
  EXPECT_EQ(torv_test::read_file(longest), "long");
  EXPECT_TRUE(torv_test::no_temporary_left(folder.path()));
}

TEST(SimpleIo, AFifoIsNoFileToRead) {
  TempFolder folder;
  const std::filesystem::path fifo = folder.path() / "colors.dat";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(simple_io::read_whole_file(fifo.u16string()).has_value());
  EXPECT_FALSE(simple_io::read_whole_file(folder.path().u16string()).has_value());
}

}  // namespace

// Writing and reading files where POSIX has more than Windows: modes, symbolic links, FIFOs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"
#include "support/case_label.h"
#include "support/needed_files.h"
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
  EXPECT_EQ(simple_io::read_file_bytes(fifo.u16string()).failure, u"It is not a regular file");
}

// Neither exists on the machine: the kernel takes any number.
constexpr uid_t colleague = 65534;
constexpr uid_t third_user = 4343;

struct LinkOwnerCase {
  const char* label;
  uid_t link_owner;
  uid_t folder_owner;
  bool followed;
};

void PrintTo(const LinkOwnerCase& c, std::ostream* out) { *out << c.label; }

class LinkOwner : public ::testing::TestWithParam<LinkOwnerCase> {};

// A link is followed, to read and to write, only when the user or root made it: not the owner of
// the folder it stands in, who may put a link at any name there.
TEST_P(LinkOwner, DecidesWhetherTheLinkIsFollowedToReadAndToWrite) {
  const LinkOwnerCase& c = GetParam();
  TORV_NEEDS(geteuid() == 0 || (c.link_owner == geteuid() && c.folder_owner == geteuid()),
             "only root can give links to other users; run as root (as CI does)");
  TempFolder folder;
  const std::filesystem::path mine = folder.path() / "mine.csv";
  torv_test::write_file(mine, "my own file");
  const std::filesystem::path shared = folder.path() / "shared";
  std::filesystem::create_directory(shared);
  ASSERT_EQ(lchown(shared.c_str(), c.folder_owner, c.folder_owner), 0);
  const std::filesystem::path link = shared / "house.batching.csv";
  std::filesystem::create_symlink(mine, link);
  ASSERT_EQ(lchown(link.c_str(), c.link_owner, c.link_owner), 0);

  const simple_io::FileBytes read = simple_io::read_file_bytes(link.u16string());
  const bool written = simple_io::write_file_whole(link.u16string(), "written through");

  EXPECT_TRUE(std::filesystem::is_symlink(link));
  if (c.followed) {
    EXPECT_EQ(read.bytes, "my own file");
    EXPECT_TRUE(written);
    EXPECT_EQ(torv_test::read_file(mine), "written through");
  } else {
    EXPECT_FALSE(read.bytes.has_value());
    EXPECT_FALSE(read.missing);
    EXPECT_EQ(read.failure, u"Permission denied");
    EXPECT_FALSE(written);
    EXPECT_EQ(simple_io::last_write_failure(), u"Permission denied");
    EXPECT_EQ(torv_test::read_file(mine), "my own file");
  }
  EXPECT_TRUE(torv_test::no_temporary_left(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Owners, LinkOwner,
    ::testing::Values(LinkOwnerCase{"own_link", geteuid(), geteuid(), true},
                      LinkOwnerCase{"roots_link_in_a_colleagues_folder", 0, colleague, true},
                      LinkOwnerCase{"colleagues_link_in_their_own_folder", colleague, colleague, false},
                      LinkOwnerCase{"colleagues_link_in_a_roots_folder", colleague, 0, false},
                      LinkOwnerCase{"third_users_link_in_a_colleagues_folder", third_user, colleague, false}),
    torv_test::CaseLabel());

// A chain of links is judged link by link: the user's own link to a colleague's link stops there.
TEST(SimpleIo, AChainOfLinksStopsAtTheFirstLinkOfSomeoneElse) {
  TORV_NEEDS(geteuid() == 0, "only root can give links to other users; run as root (as CI does)");
  TempFolder folder;
  const std::filesystem::path mine = folder.path() / "mine.csv";
  torv_test::write_file(mine, "my own file");
  std::filesystem::create_symlink(mine, folder.path() / "planted");
  ASSERT_EQ(lchown((folder.path() / "planted").c_str(), colleague, colleague), 0);
  std::filesystem::create_symlink("planted", folder.path() / "house.batching.csv");
  const std::u16string path = (folder.path() / "house.batching.csv").u16string();
  EXPECT_EQ(simple_io::read_file_bytes(path).failure, u"Permission denied");
  EXPECT_FALSE(simple_io::write_file_whole(path, "written through"));
  EXPECT_EQ(torv_test::read_file(mine), "my own file");
}

}  // namespace

// InFile and OutFile: exact byte counts, and every failure thrown as the int 1; ReplacingFile: files
// written whole or not at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "simple_io/in_file.h"
#include "simple_io/out_file.h"
#include "simple_io/replacing_file.h"
#include "support/case_label.h"
#include "support/no_temporary_left.h"
#include "support/temp_folder.h"

namespace {

using simple_io::InFile;
using simple_io::OutFile;
using torv_test::TempFolder;

template <class Action>
int thrown_value(Action action) {
  try {
    action();
  } catch (int value) {
    return value;
  }
  return 0;
}

TEST(SimpleIo, WritesAndReadsBackExactBytesInOrder) {
  TempFolder folder;
  const std::u16string path = folder.file("colors.dat");
  const std::uint32_t numbers[] = {1, 0xA1B2C3D4};
  {
    OutFile out(path);
    out.write(&numbers[0], 4);
    out.write(&numbers[1], 4);
    out.write("xy", 2);
  }
  EXPECT_EQ(torv_test::read_file(folder.path() / "colors.dat"),
            std::string("\x01\x00\x00\x00\xD4\xC3\xB2\xA1xy", 10));
  InFile in(path);
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  char tail[2] = {};
  in.read(&first, 4);
  in.read(&second, 4);
  in.read(tail, 2);
  EXPECT_EQ(first, 1u);
  EXPECT_EQ(second, 0xA1B2C3D4u);
  EXPECT_EQ(std::string(tail, 2), "xy");
}

TEST(SimpleIo, ReadingPastTheEndThrows) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "six.bin", "abcdef");
  InFile in(folder.file("six.bin"));
  char buffer[4] = {};
  in.read(buffer, 4);
  EXPECT_EQ(thrown_value([&] { in.read(buffer, 4); }), 1);
}

TEST(SimpleIo, ZeroByteReadsAndWritesDoNothing) {
  TempFolder folder;
  {
    OutFile out(folder.file("empty.bin"));
    out.write(nullptr, 0);
  }
  InFile in(folder.file("empty.bin"));
  in.read(nullptr, 0);
  EXPECT_EQ(torv_test::read_file(folder.path() / "empty.bin"), "");
}

// A new file is created exclusively: what already has the name stays as it was.
TEST(SimpleIo, CreatingAFileWhereOneIsThrowsAndLeavesIt) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "old.bin", "old content");
  EXPECT_EQ(thrown_value([&] { OutFile out(folder.file("old.bin")); }), 1);
  EXPECT_EQ(torv_test::read_file(folder.path() / "old.bin"), "old content");
}

// What cannot be read says why in words a user knows, without a full stop of its own: the message
// it goes into ends itself.
TEST(SimpleIo, AFolderIsToldAsAFolder) {
  TempFolder folder;
  const simple_io::FileBytes read = simple_io::read_file_bytes(folder.path().u16string());
  EXPECT_FALSE(read.bytes.has_value());
  EXPECT_FALSE(read.missing);
  EXPECT_EQ(read.failure, u"It is a folder");
}

TEST(SimpleIo, FilesThatCannotBeOpenedThrow) {
  TempFolder folder;
  EXPECT_EQ(thrown_value([&] { InFile in(folder.file("missing.bin")); }), 1);
  EXPECT_EQ(thrown_value([&] { OutFile out(folder.file("no such folder/new.bin")); }), 1);
  EXPECT_EQ(thrown_value([] { InFile in(u""); }), 1);
}

TEST(SimpleIo, PathsOutsideAsciiReachTheFile) {
  TempFolder folder;
  const std::u16string name = u"Zażółć gęślą \u65e5\u672c.dat";
  { OutFile(folder.file(name)).write("1", 1); }
  EXPECT_TRUE(std::filesystem::exists(folder.path() / std::filesystem::path(name)));
  char byte = 0;
  InFile(folder.file(name)).read(&byte, 1);
  EXPECT_EQ(byte, '1');
}

// The C runtime buffers what is written: a full disk often shows only when the file is closed.
TEST(SimpleIo, ClosingOntoAFullDiskThrows) {
  if (!std::filesystem::is_character_file("/dev/full")) GTEST_SKIP() << "needs the device /dev/full";
  OutFile out(std::fopen("/dev/full", "wb"));
  out.write("abc", 3);
  EXPECT_EQ(thrown_value([&] { out.close(); }), 1);
}

struct ReplaceFailure {
  const char* label;
  bool target_is_folder;  // else a read-only file
};

void PrintTo(const ReplaceFailure& c, std::ostream* out) { *out << c.label; }

class ReplacingFileFailure : public ::testing::TestWithParam<ReplaceFailure> {};

// Whatever step fails, the old file stays byte for byte and no temporary file is left.
TEST_P(ReplacingFileFailure, LeavesTheOldFileAsItWas) {
  TempFolder folder;
  const std::filesystem::path old_file = folder.path() / "colors.dat";
  if (GetParam().target_is_folder) {
    // The target is a folder with content: nothing can take its place.
    std::filesystem::create_directories(old_file / "inside");
  } else {
    // A read-only file is kept, even where the user (root) could replace it.
    torv_test::write_file(old_file, "old");
    std::filesystem::permissions(old_file,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    // Wine run as root shows a file root may write as writable, whatever its mode.
    if ((std::filesystem::status(old_file).permissions() & std::filesystem::perms::owner_write) !=
        std::filesystem::perms::none)
      GTEST_SKIP() << "the file system does not report the file read-only (Wine as root)";
  }
  EXPECT_FALSE(simple_io::write_file_whole(old_file.u16string(), "new bytes"));
  EXPECT_FALSE(simple_io::last_write_failure().empty());
  if (std::filesystem::is_regular_file(old_file)) {
    EXPECT_EQ(torv_test::read_file(old_file), "old");
  }
  EXPECT_TRUE(torv_test::no_temporary_left(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(Steps, ReplacingFileFailure,
                         ::testing::Values(ReplaceFailure{"target_read_only", false},
                                           ReplaceFailure{"target_cannot_be_replaced", true}),
                         torv_test::CaseLabel());

TEST(SimpleIo, ReplacingFileThrowsItsFailureWithTheSystemsReason) {
  TempFolder folder;
  // Nothing can take the place of a folder with content.
  std::filesystem::create_directories(folder.path() / "colors.dat" / "inside");
  simple_io::ReplacingFile file(folder.file("colors.dat"));
  file.out().write("new", 3);
  try {
    file.commit();
    FAIL() << "the commit onto a folder succeeded";
  } catch (const simple_io::ReplaceFailed& failure) {
    EXPECT_FALSE(failure.reason.empty());
    // The message the reason goes into ends itself: a second full stop would follow Windows's own.
    EXPECT_NE(failure.reason.back(), u'.');
    EXPECT_EQ(failure.reason, simple_io::last_write_failure());
  }
}

TEST(SimpleIo, ReplacingFileWritesWholeAndReplaces) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "colors.dat", "old and longer");
  EXPECT_TRUE(simple_io::write_file_whole(folder.file("colors.dat"), "new"));
  EXPECT_EQ(torv_test::read_file(folder.path() / "colors.dat"), "new");
  EXPECT_TRUE(torv_test::no_temporary_left(folder.path()));
}

}  // namespace

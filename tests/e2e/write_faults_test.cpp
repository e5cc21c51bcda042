// Every file the plug-in writes, with each step of writing it failing: for real where this machine
// allows (a folder in the temporary file's way, a read-only or a full file system), injected
// otherwise. The old file stays byte for byte, no temporary file is left, the user is told where
// the save was theirs, and nothing else in the folder changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

#include "support/panel_fixture.h"
#include "support/write_faults.h"

namespace {

using torv_test::WriteFault;

enum class Written { sidecar, report, colors, colors_backup, custom_colors };

enum class Fault {
  none,           // the control: the file is written
  links_planted,  // a link to a file elsewhere at every temporary name the plug-in tries
  read_only_file_system,
  full_file_system,
  temporary_not_created,
  short_write,
  close_fails,
  move_fails
};

const char* label(Written file) {
  switch (file) {
    case Written::sidecar: return "sidecar";
    case Written::report: return "report";
    case Written::colors: return "colors";
    case Written::colors_backup: return "colors_backup";
    case Written::custom_colors: return "custom_colors";
  }
  return "";
}

const char* label(Fault fault) {
  switch (fault) {
    case Fault::none: return "none";
    case Fault::links_planted: return "links_planted";
    case Fault::read_only_file_system: return "read_only_file_system";
    case Fault::full_file_system: return "full_file_system";
    case Fault::temporary_not_created: return "temporary_not_created";
    case Fault::short_write: return "short_write";
    case Fault::close_fails: return "close_fails";
    case Fault::move_fails: return "move_fails";
  }
  return "";
}

WriteFault injected(Fault fault) {
  switch (fault) {
    case Fault::temporary_not_created: return WriteFault::temporary_not_created;
    case Fault::short_write: return WriteFault::short_write;
    case Fault::close_fails: return WriteFault::close_fails;
    case Fault::move_fails: return WriteFault::move_fails;
    case Fault::links_planted: return WriteFault::links_planted;
    default: return WriteFault::none;
  }
}

// Version 1 with one entry "A", red; and the first bytes of a version 2 file, which is kept as .bak.
const std::string readable_colors(
    "\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00"
    "A\x00"
    "\xFF\x00\x00\xFF",
    18);
const std::string newer_colors("\x02\x00\x00\x00\x00\x00\x00\x00", 8);

// Every file below a folder with its bytes; folders as "<folder>".
std::map<std::string, std::string> contents(const std::filesystem::path& folder) {
  std::map<std::string, std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = std::filesystem::relative(entry.path(), folder).string();
    found[name] = entry.is_directory() ? "<folder>" : torv_test::read_file(entry.path());
  }
  return found;
}

class WriteFaults : public torv_test::PanelFixture,
                    public ::testing::WithParamInterface<std::tuple<Written, Fault>> {
 protected:
  Written written() const { return std::get<0>(GetParam()); }
  Fault fault() const { return std::get<1>(GetParam()); }

  std::filesystem::path folder() const {
    return written() == Written::sidecar || written() == Written::report ? folder_file("disk")
                                                                         : user_folder();
  }
  std::filesystem::path target() const {
    switch (written()) {
      case Written::sidecar: return folder() / "batches.csv";
      case Written::report: return folder() / "report.csv";
      case Written::colors: return folder() / "uda4_colors.dat";
      case Written::colors_backup: return folder() / "uda4_colors.dat.bak";
      case Written::custom_colors: return folder() / "CustomColors.dat";
    }
    return {};
  }
  bool user_is_told() const { return written() == Written::sidecar || written() == Written::report; }

  void write_old_files() const {
    switch (written()) {
      case Written::sidecar: torv_test::write_file(target(), "IFC GUID,BATCH\r\n,Old\r\n"); break;
      case Written::report: torv_test::write_file(target(), "old report\r\n"); break;
      case Written::colors: torv_test::write_file(target(), readable_colors); break;
      case Written::colors_backup:
        torv_test::write_file(folder() / "uda4_colors.dat", newer_colors);
        torv_test::write_file(target(), "old backup");
        break;
      // Saved again, the list ends its lines with CR LF.
      case Written::custom_colors: torv_test::write_file(target(), "FF112233\n"); break;
    }
  }

  // What the user does that makes the plug-in write the file.
  void make_the_plugin_write() {
    switch (written()) {
      case Written::sidecar:
        run_session("click Batches\nanswer save " + target().string() + "\npanel batch save\n");
        break;
      case Written::report: run_session("answer save " + target().string() + "\nclick Export\n"); break;
      case Written::colors:
      case Written::colors_backup:
        run_session("click Batches\nanswer color FF102030\npanel batch swatch 1\n");
        break;
      case Written::custom_colors:
        run_session("click Batches\n");
        viewer().unload_plugin();
        break;
    }
  }
};

TEST_P(WriteFaults, LeaveTheOldFileAndTellTheUserOfTheirSaves) {
  load_model("storeys=1,assemblies=2,values=A");
  std::filesystem::create_directories(folder());
  std::optional<torv_test::SmallFileSystem> small_disk;
  if (fault() == Fault::read_only_file_system || fault() == Fault::full_file_system) {
    small_disk.emplace(folder());
    if (!small_disk->mounted()) GTEST_SKIP() << small_disk->why_not();
  }
  write_old_files();
  const std::filesystem::path elsewhere = folder_file("elsewhere/shared.csv");
  std::filesystem::create_directories(elsewhere.parent_path());
  torv_test::write_file(elsewhere, "someone else's file\r\n");
  torv_test::set_planted_link_target(elsewhere);
  if (fault() == Fault::full_file_system) small_disk->fill();
  if (fault() == Fault::read_only_file_system) small_disk->make_read_only();
  const auto before = contents(folder());

  torv_test::inject_write_fault(injected(fault()));
  make_the_plugin_write();
  torv_test::inject_write_fault(WriteFault::none);

  const auto after = contents(folder());
  EXPECT_EQ(torv_test::read_file(elsewhere), "someone else's file\r\n");
  if (fault() == Fault::links_planted && written() != Written::custom_colors) {
    EXPECT_GT(torv_test::planted_links(), 0);
  }
  if (fault() == Fault::none && written() == Written::colors_backup) {
    // Backups are numbered: the first stays, the newer damaged file goes to the next number.
    EXPECT_EQ(after.at("uda4_colors.dat.bak"), "old backup");
    EXPECT_EQ(after.at("uda4_colors.dat.bak2"), newer_colors);
    EXPECT_TRUE(state().desktop.messages.empty());
    return;
  }
  if (fault() == Fault::none && written() == Written::custom_colors) {
    // Custom colours the user did not change are not written again: the file keeps its bytes.
    EXPECT_EQ(after, before);
    return;
  }
  if (fault() == Fault::none) {
    EXPECT_NE(after.at(target().filename().string()), before.at(target().filename().string()));
    EXPECT_TRUE(state().desktop.messages.empty());
    return;
  }
  EXPECT_EQ(after, before);
  const std::string told =
      "message box \"TORV\" (error): The CSV file could not be saved. Check that it is not open in another "
      "program and that you may write to the folder.\n" +
      target().string() + ": ";
  if (user_is_told()) {
    ASSERT_EQ(state().desktop.messages.size(), 1u);
    EXPECT_THAT(state().desktop.messages[0], ::testing::StartsWith(told));
    // The system's reason follows the file's name.
    EXPECT_GT(state().desktop.messages[0].size(), told.size());
  } else {
    EXPECT_EQ(state().desktop.messages, std::vector<std::string>{});
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileEveryStep, WriteFaults,
    ::testing::Combine(::testing::Values(Written::sidecar, Written::report, Written::colors,
                                         Written::colors_backup, Written::custom_colors),
                       ::testing::Values(Fault::none, Fault::links_planted, Fault::read_only_file_system,
                                         Fault::full_file_system, Fault::temporary_not_created,
                                         Fault::short_write, Fault::close_fails, Fault::move_fails)),
    [](const ::testing::TestParamInfo<std::tuple<Written, Fault>>& instance) {
      return std::string(label(std::get<0>(instance.param))) + "_" + label(std::get<1>(instance.param));
    });

}  // namespace
